#pragma once

#include <sys/stat.h>

#include <string>

#include "file_sink.h"

namespace lorvex {

// What a path to be written names, links followed.
struct WriteTarget {
    enum class Kind {
        NewFile,      // nothing there yet: made where the path (or its dangling link) points
        RegularFile,  // replaced, or written in place
        Descriptor,   // one of the program's own open descriptors: written through it
        Device,       // a device, a FIFO, a terminal, a file known only through /proc
    };
    Kind kind = Kind::NewFile;
    std::string file;     // the path to create, replace or open
    struct stat info {};  // of an existing target
    int descriptor = -1;  // the descriptor of Kind::Descriptor
    WriteError error;     // why nothing can be written there
};

WriteTarget findWriteTarget(const std::string& path);

// "a/b/c" -> "a/b" and "c"; a name without a folder lies in ".".
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);

}  // namespace lorvex
