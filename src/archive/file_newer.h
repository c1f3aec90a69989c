#pragma once
// The overwrite rules: whether a new file (known by its version text and
// date, or by its name) should replace an existing one. The existing file's
// version comes through the archive's version reader.

#include <string>

#include "archive/archive_hooks.h"
#include "base/date_time.h"

namespace vorlan {

enum TOverwriteType { owAlways, owNever, owVersion, owDate, owVersionDate, owAsk };

enum TFileNewerResult { fnrUnknown, fnrSame, fnrNewer, fnrOlder, fnrAsk };

// 0 when equal, 1 when a is higher, 2 when b is higher.
int CompareVersions(const std::string& a, const std::string& b);

// Versions are read with read_version (the archive's version reader when
// none is given); dates are the files' last-write times, unknown for a file
// that cannot be opened.
TFileNewerResult IsFileNewer(const std::string& new_version, const std::string& existing,
                             TOverwriteType rule, TDateTime new_date,
                             const TVersionReader& read_version = ReadArchiveFileVersion);
TFileNewerResult IsFileNewerByName(const std::string& new_file, const std::string& existing,
                                   TOverwriteType rule, const TVersionReader& read_version = ReadArchiveFileVersion);

}  // namespace vorlan
