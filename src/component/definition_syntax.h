#pragma once
// The syntax tree of an install definition: what the text says, before any
// object exists.

#include <cstdint>
#include <string>
#include <vector>

#include "component/read_error.h"
#include "component/value.h"

namespace vorlan {

struct TPropertyNode;

struct TNameNode {
  std::string name;
  TSourcePos pos;
};

struct TValueNode {
  enum class Type { Identifier, String, Integer, Set, List, Collection, Binary };
  Type type = Type::Identifier;
  TSourcePos pos;
  std::string text;                                // Identifier, String
  int64_t integer = 0;                             // Integer
  std::vector<TNameNode> names;                    // Set
  TStringList strings;                             // List
  std::vector<std::vector<TPropertyNode>> items;   // Collection
  TBytes bytes;                                    // Binary
};

struct TPropertyNode {
  std::vector<std::string> path;  // Information.CompanyName is two names
  TSourcePos pos;
  TValueNode value;
};

struct TObjectNode {
  TNameNode name;
  TNameNode class_name;
  std::vector<TPropertyNode> properties;
  std::vector<TObjectNode> children;
};

// Raises EReadError at the first fault.
TObjectNode ParseDefinition(std::string_view text);

std::string DescribeValueType(TValueNode::Type type);

}  // namespace vorlan
