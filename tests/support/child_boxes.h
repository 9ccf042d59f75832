#pragma once

#include <string>
#include <vector>

// For child processes (see child_process.h) whose code shows message boxes
// and may end the process: the boxes are read and closed by a watcher, and
// what it saw is written to standard output when the process exits, so the
// parent finds them in ChildResult::output.
//
//   TEST_CHILD(Fatal) { WatchBoxesUntilExit(); FatalError(...); }
//   EXPECT_EQ(BoxesIn(RunChild("Fatal").output), ...);

// Starts the watcher; exit() (also through a fatal error) writes the boxes.
void WatchBoxesUntilExit();
// The boxes a child wrote, each as "caption|text".
std::vector<std::string> BoxesIn(const std::string& output);
// Writes bytes unchanged to standard output.
void WriteRaw(const std::string& bytes);
