#pragma once
// A temporary folder that stands in for the user's home during a test run.

#include <string>

// Creates the folder once per process, points HOME and the XDG folders at it
// and returns its path. Removed again when the process ends.
const std::string& TestHome();

// A fresh empty folder below the test home.
std::string MakeTempFolder(const std::string& hint);

// Writes a file with the given bytes (creating its parent folders).
void WriteTextFile(const std::string& path, const std::string& bytes);
std::string ReadTextFile(const std::string& path);
