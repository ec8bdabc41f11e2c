// Built with the sanitizers only: the leak check it expects is theirs.
#include "Platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

// Kept out of line and written through a volatile pointer, so the block's
// only address is gone once the call returns. The check scans registers and
// stacks for addresses as they stand: now and then one of them still holds
// the last block's (four runs in sixty on a busy machine), so
// several blocks are lost, and the others are surely unreachable.
[[gnu::noinline]] void loseABlock()
{
    void *volatile block = std::malloc(4096);
    block = nullptr;
    (void)block;
}

void loseBlocks()
{
    for (int i = 0; i < 16; ++i)
        loseABlock();
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
            loseBlocks();
            kotebu::endProgram(0);
        },
        failedWithStatus, "LeakSanitizer: detected memory leaks");
}
