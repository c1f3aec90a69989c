#pragma once
// The command line the loading program gives the setup program, from where
// the loader runs, whether its archives are embedded, and the parameters it
// was itself started with.

#include <string>
#include <vector>

namespace vorlan {

struct TSetupStart {
  std::string LoaderDir;   // without a trailing backslash
  std::string LoaderName;  // the loader's file name, for -e
  bool Embedded = false;
};

// The setup program's parameters: -s, -e (embedded only) and -c, -f for
// "*TODISK", then the loader's other "*" parameters, passed on. Raises
// ELoaderError for a parameter that is not "*" and at least one more
// character (the setup would refuse it after the loader's work), for a "*S"
// or "*E" (the setup would look for its archives elsewhere), and for
// "*TODISK" when the archives are not embedded.
std::vector<std::string> SetupProgramParameters(const TSetupStart& start,
                                                const std::vector<std::string>& loader_parameters);

// One command line: every parameter in double quotes, so blanks in
// directories survive; the setup splits on blanks outside quotes and drops
// the quotes, and no parameter can hold one.
std::string JoinParameters(const std::string& program, const std::vector<std::string>& parameters);

}  // namespace vorlan
