// Built as the toolchain builds a program when nothing more is asked:
// without the compatibility object. It waits for a second thread that reads
// a file stream, as the loading program once did. The import check must
// reject it; it is never run.

#include <fstream>
#include <future>

int main(int argc, char** argv) {
  auto available = std::async(std::launch::async, [&] {
    std::ifstream file(argv[0], std::ios::binary);
    return file.rdbuf()->in_avail();
  });
  return available.get() > 0 ? 0 : argc;
}
