#pragma once
// The overwrite rules: whether a new file (known by its version text and
// date, or by its name) should replace an existing one. The existing file's
// version comes through the archive's version reader.

#include <string>

#include "base/date_time.h"

namespace vorlan {

enum TOverwriteType { owAlways, owNever, owVersion, owDate, owVersionDate, owAsk };

enum TFileNewerResult { fnrUnknown, fnrSame, fnrNewer, fnrOlder, fnrAsk };

// 0 when equal, 1 when a is higher, 2 when b is higher.
int CompareVersions(const std::string& a, const std::string& b);

TFileNewerResult IsFileNewer(const std::string& new_version, const std::string& existing,
                             TOverwriteType rule, TDateTime new_date);
TFileNewerResult IsFileNewerByName(const std::string& new_file, const std::string& existing,
                                   TOverwriteType rule);

}  // namespace vorlan
