#pragma once
// The files of the page, compiled into the program (server/page/, see EmbedPage.cmake): the
// service serves them itself and fetches nothing from elsewhere.
#include <cstddef>
#include <span>

namespace vortel::server {

struct PageFile {
    const char* path;  // relative to the page's folder: "index.html", "main.js", ...
    const char* type;  // its content type
    const unsigned char* data;
    size_t size;
};

std::span<const PageFile> pageFiles();

}  // namespace vortel::server
