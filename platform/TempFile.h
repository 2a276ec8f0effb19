#pragma once
// Unique files in the system's temporary folder, built from a template name such as "Textur.jpg":
// the part before the first '.' is the prefix, the template's extension the new file's extension.
#include <string>

namespace vortel {

// Creates the file (empty, readable and writable by the user only) and returns its path. The
// folder is $TMPDIR, else /tmp. Throws std::runtime_error when no file can be made.
std::string MakeTempFileName(const std::string& templateName);

// A temporary file that is deleted when the object goes, whatever happened in between.
class TempFile {
public:
    explicit TempFile(const std::string& templateName) : path_(MakeTempFileName(templateName)) {}
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace vortel
