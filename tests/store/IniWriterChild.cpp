// Writes one key of KTBSP.INI over and over, flipping between a short and a
// long value, until it is killed. Used by the test that kills a save midway.
#include "Ini.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    const QString shortValue = QStringLiteral("short");
    const QString longValue(20000, QLatin1Char('L'));
    std::puts("ready");
    std::fflush(stdout);
    for (unsigned round = 0;; ++round)
        kotebu::WriteIni(QStringLiteral("KTBSP"), QStringLiteral("KoTeBu"), QStringLiteral("Joho"),
                         round % 2 ? longValue : shortValue);
}
