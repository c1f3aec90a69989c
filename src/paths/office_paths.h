#pragma once
// The folders of the office suite, from the settings of the Word version
// that is registered. Each call asks the registry afresh; none raises.

#include <string>

namespace vorlan {

// The major version of the registered Word (8 for Word.Document.8), or -1
// when none is registered or its server program is not on the disk.
int GetWordVersion();

// The HKEY_CURRENT_USER key of the "File New" setting name, or an empty
// key when Word's version keeps no such settings (outside 7 ... 19).
std::string OfficeFileNewKey(const std::string& name);
// The key of Word's options, likewise.
std::string OfficeWordOptionsKey();

// The HKEY_CURRENT_USER value (the key's default value for an empty name),
// or the program files directory + default_sub_path; one trailing
// backslash removed.
std::string ReadOfficePath(const std::string& key, const std::string& value_name,
                           const std::string& default_sub_path);
// The directory the "File New" setting name holds (its key's default
// value); the program files directory + default_sub_path when Word's
// version keeps no such settings.
std::string OfficeFileNewPath(const std::string& name, const std::string& default_sub_path);
// The directory one of Word's options holds, with the same fallback.
std::string OfficeWordOptionPath(const std::string& value_name, const std::string& default_sub_path);

// The workgroup templates: the "SharedTemplates" setting when one is made,
// else the user templates directory, where Word finds its templates when
// no workgroup folder has been set up.
std::string OfficeWorkgroupTemplatesPath();

}  // namespace vorlan
