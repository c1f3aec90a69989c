#include "windows_import_facts.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/strings.h"

namespace vorlan::testing {

const std::vector<std::string> kServedWindowsKinds = {"95", "98", "ME", "NT4", "2000", "XP"};

namespace {
std::string RestOfLine(std::istringstream& fields) {
  std::string rest;
  std::getline(fields >> std::ws, rest);
  return rest;
}

std::vector<std::string> LackingOn(const std::string& field) {
  std::vector<std::string> kinds;
  if (field == "-") return kinds;
  for (const std::string& kind : kServedWindowsKinds) {
    if (("," + field + ",").find("," + kind + ",") != std::string::npos) kinds.push_back(kind);
  }
  size_t named = static_cast<size_t>(std::count(field.begin(), field.end(), ',')) + 1;
  if (kinds.size() != named) throw std::invalid_argument("unknown Windows kind in \"" + field + "\"");
  return kinds;
}
}  // namespace

TWindowsImportFacts TWindowsImportFacts::Parse(const std::string& text) {
  TWindowsImportFacts facts;
  std::map<std::string, std::string> sources;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    try {
      std::istringstream fields(line);
      std::string first;
      if (!(fields >> first) || first[0] == '#') continue;
      if (first == "source") {
        std::string key;
        fields >> key;
        std::string description = RestOfLine(fields);
        if (description.empty()) throw std::invalid_argument("a source needs a key and a text");
        sources[key] = description;
        continue;
      }
      std::string function, lacking, key;
      if (!(fields >> function >> lacking >> key)) {
        throw std::invalid_argument("an entry needs a DLL, a function, the kinds lacking it and a source");
      }
      auto source = sources.find(key);
      if (source == sources.end()) throw std::invalid_argument("unknown source \"" + key + "\"");
      std::string remark = RestOfLine(fields);
      TImportFact fact{LackingOn(lacking), source->second + (remark.empty() ? "" : "; " + remark)};
      if (!facts.facts_[LowerCase(first)].emplace(function, fact).second) {
        throw std::invalid_argument(first + " " + function + " is named twice");
      }
    } catch (const std::invalid_argument& error) {
      throw std::runtime_error("line " + std::to_string(number) + ": " + error.what());
    }
  }
  return facts;
}

TWindowsImportFacts TWindowsImportFacts::Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << file.rdbuf();
  return Parse(text.str());
}

bool TWindowsImportFacts::KnowsDll(const std::string& dll) const { return facts_.count(LowerCase(dll)) != 0; }

const TImportFact* TWindowsImportFacts::Find(const std::string& dll, const std::string& function) const {
  auto functions = facts_.find(LowerCase(dll));
  if (functions == facts_.end()) return nullptr;
  auto fact = functions->second.find(function);
  return fact == functions->second.end() ? nullptr : &fact->second;
}

}  // namespace vorlan::testing
