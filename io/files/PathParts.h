#pragma once

#include <string>

// The folder part of a path ("." for a bare name) and its last component.
std::string DirectoryOf(const std::string& path);
std::string NameOf(const std::string& path);
