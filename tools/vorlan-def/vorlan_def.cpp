// vorlan-def: checks an install definition.
//
//   vorlan-def FILE           reads FILE; prints "valid" and its components,
//                             or the reader's error (exit code 1)
//   vorlan-def --format FILE  writes FILE back in canonical form
//
// The definition is read as an authoring tool reads it, so components do
// not start their run-time work.

#include <cstdio>
#include <string>

#include "base/exceptions.h"
#include "base/file.h"
#include "component/class_info.h"
#include "component/component.h"
#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "component/program_scope.h"
#include "definition_classes.h"

using namespace vorlan;

namespace {

std::string ReadText(const std::string& path) {
  TFileStream file(path, TFileMode::Read);
  std::string text(static_cast<size_t>(file.Size()), '\0');
  text.resize(file.Read(text.data(), text.size()));
  return text;
}

void PrintSummary(const std::string& path, const TComponent& root) {
  printf("%s: valid, %d components\n", path.c_str(), root.ComponentCount() + 1);
  printf("  %s: %s (root)\n", root.Name().c_str(), root.ClassName().c_str());
  for (int i = 0; i < root.ComponentCount(); ++i) {
    const TComponent* component = root.Components(i);
    printf("  %s: %s\n", component->Name().c_str(), component->ClassName().c_str());
  }
}

int Usage() {
  fprintf(stderr, "usage: vorlan-def [--format] FILE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool format = argc == 3 && std::string(argv[1]) == "--format";
  if (argc != 2 && !format) return Usage();
  std::string path = argv[argc - 1];
  try {
    ProgramScope scope;
    RegisterDefinitionClasses(scope);
    auto root = ReadDefinition(ReadText(path), {.authoring = true});
    if (format) {
      fputs(WriteDefinition(*root).c_str(), stdout);
    } else {
      PrintSummary(path, *root);
    }
    return 0;
  } catch (const Exception& e) {
    fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
    return 1;
  }
}
