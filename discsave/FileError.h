#pragma once

#include <string>

/// What went wrong with a file, in words for the person saving a disc.
namespace FileError {

/// The reason an `errno` stands for; every way of running out of room is "the disk is full".
std::string describe(int errorNumber);

} // namespace FileError
