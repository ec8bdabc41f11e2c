#include "GameStore.h"

#include "FileNames.h"
#include "GameState.h"
#include "Ini.h"
#include "IniText.h"
#include "Numbers.h"
#include "Platform.h"
#include "Random.h"
#include "SafeSave.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <cmath>
#include <limits>

namespace kotebu {

namespace {

[[noreturn]] void missingTemplate()
{
    showMessageAndEnd(QCoreApplication::translate("GameStore", "%1 がみつかりません。新しいゲームを準備できません。")
                          .arg(iniFileName(settings::templateFile())),
                      MessageIcon::Critical);
}

} // namespace

std::int16_t storedHeroineValue(const QString &text)
{
    const std::optional<double> number = leadingNumber(text);
    if (!number)
        return 0;
    const double down = std::floor(*number);
    if (down <= std::numeric_limits<Int16>::min())
        return std::numeric_limits<Int16>::min();
    if (down >= std::numeric_limits<Int16>::max())
        return std::numeric_limits<Int16>::max();
    return static_cast<Int16>(down);
}

void LoadGameState(GameState &state, const std::function<void()> &prepareDragIcons)
{
    seedRandom(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    const QString section = settings::gameSection(state);
    state.NextPhase = Phase::None;
    state.Paused = 0;
    state.EndingKind = EndingKind::None;
    state.EventFlags = 0;
    state.LastPhase = Phase::Night;
    state.GameRunning = True;
    state.CrLf = gameLineBreak();
    for (const settings::HeroineKey &entry : settings::heroineKeys()) {
        const std::optional<QString> text = ReadIni(settings::stateFile(), section, QString::fromLatin1(entry.key));
        state.*entry.value = text ? storedHeroineValue(*text) : Int16(0);
    }
    if (prepareDragIcons)
        prepareDragIcons();
    state.PhaseTick = 0;
}

void PrepareNewGame(const GameState &state)
{
    MessageRequest request;
    request.title = state.SecondGame ? QCoreApplication::translate("GameStore", "KoTeBu2 ﾊﾙｰﾈﾝ物語")
                                     : QCoreApplication::translate("GameStore", "ＫｏＴｅＢｕ～ことぶ～");
    request.text = QCoreApplication::translate("GameStore", "新しくゲームを始める為の準備をします。");
    messageBoxes().show(request);

    const QString templatePath = findFileNoCase(iniFileName(settings::templateFile()));
    if (templatePath.isEmpty())
        missingTemplate();
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly))
        missingTemplate();
    const QByteArray templateBytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        missingTemplate();

    // Each template line whole, less the blanks in front, in CR LF lines.
    QByteArray copy;
    copy.reserve(templateBytes.size() + 64);
    for (const QByteArrayView line : ini::splitLines(templateBytes)) {
        copy.append(ini::skipBlanks(line));
        copy.append("\r\n", 2);
    }

    const QString stateName = iniFileName(settings::stateFile());
    QString target = findFileNoCase(stateName);
    if (target.isEmpty())
        target = stateName;
    if (!replaceFileWhole(target, iniSwapName(settings::stateFile()), copy))
        reportNotSaved(stateName);
}

bool SaveDay(const GameState &state)
{
    // The seven writes in their order, saved to disk in one go.
    std::vector<std::pair<QString, QString>> values;
    for (const settings::HeroineKey &entry : settings::heroineKeys())
        values.emplace_back(QString::fromLatin1(entry.key), QString::number(state.*entry.value));
    return WriteIniKeys(settings::stateFile(), settings::gameSection(state), values);
}

} // namespace kotebu
