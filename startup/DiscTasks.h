#pragma once

class CommandLine;

// The program's tasks without a window, each run from the command line to its exit status
// (CommandLine::Status), in the application the caller made.

/// Saves the disc in the drive as an image in the command line's folder.
int saveImage(const CommandLine& line);

/// Verifies the command line's image against AccurateRip and the CUETools database.
int verifyImage(const CommandLine& line);

/// Repairs the command line's image from the CUETools database's parity into a new image.
int repairImage(const CommandLine& line);
