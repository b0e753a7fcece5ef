#pragma once

#include "core/Reason.h"

#include <string>

/// What went wrong with a file, in words for the person saving a disc.
namespace FileError {

/// The reason an `errno` stands for; every way of running out of room is "the disk is full".
Reason describe(int errorNumber);

} // namespace FileError
