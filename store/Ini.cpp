// Placeholder until the store lands.
#include "Ini.h"
namespace kotebu {
std::optional<QString> ReadIni(const QString &, const QString &, const QString &) { return std::nullopt; }
void WriteIni(const QString &, const QString &, const QString &, const QString &) {}
void WriteIni(const QString &b, const QString &s, const QString &k, int v) { WriteIni(b, s, k, QString::number(v)); }
}
