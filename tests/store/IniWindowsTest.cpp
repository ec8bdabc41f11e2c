// What only Windows keeps in a save's place: its attributes. A hidden state
// file stays hidden through a save.
#include "Ini.h"
#include "IniFixture.h"

#include <QDir>

#include <windows.h>

using namespace kotebu;

namespace {

DWORD attributesOf(const QString &name)
{
    return GetFileAttributesW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(name).utf16()));
}

bool setAttributes(const QString &name, DWORD attributes)
{
    return SetFileAttributesW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(name).utf16()), attributes);
}

TEST_F(IniFixture, HiddenStateFileStaysHiddenThroughASave)
{
    sandbox.writeFile(QStringLiteral("KTBSP.INI"), "[KoTeBu]\r\nJoho=1\r\n");
    ASSERT_TRUE(setAttributes(QStringLiteral("KTBSP.INI"), FILE_ATTRIBUTE_HIDDEN));
    WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"), 2);
    EXPECT_EQ(sandbox.readFile(QStringLiteral("KTBSP.INI")), "[KoTeBu]\r\nJoho=2\r\n");
    EXPECT_TRUE(attributesOf(QStringLiteral("KTBSP.INI")) & FILE_ATTRIBUTE_HIDDEN);
}

} // namespace
