// Built with the sanitizers only: the leak check it expects is theirs.
#include "Platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

// Kept out of line and written through a volatile pointer, so the block's
// only address is gone once the call returns.
[[gnu::noinline]] void loseABlock()
{
    void *volatile block = std::malloc(4096);
    block = nullptr;
    (void)block;
}

bool failedWithStatus(int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; }

} // namespace

// The game ends through its own exit (Exit, the ending, a fatal message),
// which skips the check a sanitizer build makes as main returns: a leak in
// a game that ends there must still fail the run.
TEST(LeakAtExitDeathTest, ALeakIsReportedWhenTheGameEnds)
{
    EXPECT_EXIT(
        {
            kotebu::setProgramExit(nullptr);
            loseABlock();
            kotebu::endProgram(0);
        },
        failedWithStatus, "LeakSanitizer: detected memory leaks");
}
