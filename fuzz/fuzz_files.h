// The fuzz targets' own folder, where each input is written as a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

/// Returns a folder of this fuzzing process's own, made at the first call
/// and removed at exit.
inline const std::string& fuzzFolder() {
    struct Folder {
        std::string path = "/tmp/telvorin-fuzz-XXXXXX";
        Folder() {
            if (mkdtemp(path.data()) == nullptr) std::abort();
        }
        ~Folder() {
            std::error_code error;
            std::filesystem::remove_all(path, error);
        }
    };
    static const Folder folder;
    return folder.path;
}

/// Writes `size` bytes of `data` to the file `name` of fuzzFolder(); returns its path.
inline std::string writeFuzzInput(const char* name, const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzzFolder() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}
