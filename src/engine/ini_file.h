// The engine's one way of writing an INI file: [section] lines followed by
// key=value lines, kept in the 8-bit code page (GBK) of the host's tools.
#ifndef FTCALC_ENGINE_INI_FILE_H_
#define FTCALC_ENGINE_INI_FILE_H_

#include <string>

namespace ftcalc {

// Writes `value` under [section] key= in the file at `path` (texts UTF-8,
// stored GBK), creating the file, the section or the key as needed and
// replacing an earlier value. With an empty section or key nothing is
// written. Failures are silent: the entry is simply not there.
void WriteIniText(const std::string& path, const std::string& section, const std::string& key,
                  const std::string& value);

// Reads [section] key= (for tests and tools); empty when absent.
std::string ReadIniText(const std::string& path, const std::string& section,
                        const std::string& key);

}  // namespace ftcalc

#endif  // FTCALC_ENGINE_INI_FILE_H_
