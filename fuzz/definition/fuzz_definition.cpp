// Reads mutated definitions: each must either load or raise the reader's
// error, and whatever loads must write back to a text that loads to the same.

#include <cstdlib>
#include <cstdio>
#include <string>

#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "component/handler_registry.h"
#include "component/program_scope.h"
#include "definition_test_classes.h"

using namespace vorlan;

namespace {
void SetUpOnce() {
  static ProgramScope* scope = [] {
    auto* created = new ProgramScope;
    testing_classes::RegisterTestClasses();
    Handlers().Register("Ping", std::function<void(TComponent*)>([](TComponent*) {}));
    return created;
  }();
  (void)scope;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SetUpOnce();
  testing_classes::Journal().clear();
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string written;
  try {
    written = WriteDefinition(*ReadDefinition(text));
  } catch (const Exception&) {
    return 0;
  }
  std::string again;
  try {
    again = WriteDefinition(*ReadDefinition(written));
  } catch (const Exception& e) {
    fprintf(stderr, "written definition does not read back: %s\n%s\n", e.what(), written.c_str());
    abort();
  }
  if (again != written) {
    fprintf(stderr, "round trip changed the definition:\n%s\n---\n%s\n", written.c_str(), again.c_str());
    abort();
  }
  return 0;
}
