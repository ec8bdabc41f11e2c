#pragma once

// The INI tests' folder, with what they look at after a read or a write.
#include "Fakes.h"
#include "Platform.h"

#include <QDir>

#include <gtest/gtest.h>

namespace kotebu {

struct IniFixture : ::testing::Test {
    test::Sandbox sandbox;

    QStringList filesHere() const { return QDir(sandbox.dir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

    void expectOneBox(const QString &text, MessageIcon icon) const
    {
        ASSERT_EQ(sandbox.boxes.asked.size(), 1u);
        const MessageRequest &box = sandbox.boxes.asked.front();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_TRUE(box.title.isEmpty()) << "the application title is meant";
        EXPECT_EQ(sandbox.exit.codes.size(), 1u);
    }
};

} // namespace kotebu
