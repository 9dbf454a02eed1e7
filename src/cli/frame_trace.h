#pragma once

namespace tarnwick::cli {

// --trace: every frame written and every block read, in hex on stderr.
void EnableFrameTrace();

}  // namespace tarnwick::cli
