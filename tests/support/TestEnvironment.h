#pragma once

// Prepares the process for tests before any test runs: windows go to the
// offscreen platform, audio to a fake sink that still keeps time, and the
// data folder to a fresh temporary folder removed at exit. Tests never
// touch the user's home.
void prepareTestEnvironment();
