#include "Form1.h"
#include "ui_Form1.h"

#include "Accessible.h"
#include "Care.h"
#include "DayClock.h"
#include "DayEvents.h"
#include "EnemyBook.h"
#include "Form3.h"
#include "Forms.h"
#include "GameState.h"
#include "GameStore.h"
#include "Ini.h"
#include "Pictures.h"
#include "Platform.h"
#include "Settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>

#include <algorithm>

namespace kotebu {

Form1::Form1(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Form1>())
{
    ui->setupUi(this);

    // The client area is fixed; the menu bar sits above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    fillBackground(ui->centralwidget, QColor(128, 255, 128));
    fillBackground(ui->Shape1, QColor(255, 236, 190)); // a warm wooden tray
    setColour(ui->Label1, QPalette::WindowText, Qt::blue);
    setColour(ui->Label2, QPalette::WindowText, Qt::magenta);
    setColour(ui->Label3, QPalette::WindowText, Qt::red);
    ui->Label3->setFont(windowsFont(QStringLiteral("ＭＳ Ｐゴシック"), 10.5));

    makeCareItems();
    ui->Image3->setPixmap(pictures::pauseIcon());
    ui->Image3->installEventFilter(this);
    ui->Image1->installEventFilter(this);

    // A screen reader's voice for what the window does not show.
    m_spoken = SpokenNote::of(this);
    m_image1Keys = ui->Image1->accessibleDescription();

    ui->PoPM->setDefaultAction(ui->ChrSt);
    ui->PoPM->menuAction()->setVisible(false);
    ui->PoPM->actions().at(1)->setObjectName(QStringLiteral("Psec1"));
    ui->PoPM->actions().at(3)->setObjectName(QStringLiteral("Psec2"));
    connect(ui->PoPM, &QMenu::aboutToShow, this, &Form1::updatePopupMenu);

    connect(ui->ConfigForm, &QAction::triggered, this, &Form1::runSettings);
    connect(ui->PConfigForm, &QAction::triggered, this, &Form1::runSettings);
    connect(ui->EndGame, &QAction::triggered, this, &Form1::EndGame);
    connect(ui->PEndGame, &QAction::triggered, this, &Form1::EndGame);
    connect(ui->About, &QAction::triggered, this, &Form1::showAbout);
    connect(ui->ChrSt, &QAction::triggered, this, &Form1::openEnemyViewer);

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, &Form1::dayClockTick);

    setWindowTitle(game().SecondGame ? tr("ＫｏＴｅＢｕ２ ～ハルーネン物語～") : tr("ＫｏＴｅＢｕ ～ことぶ～"));
    adjustSize();
    CenterForm(this);
}

Form1::~Form1() = default;

void Form1::apply(const PhaseOutcome &outcome)
{
    const GameState &state = game();
    if (outcome.picture) {
        const ShownPicture &shown = *outcome.picture;
        switch (shown.kind) {
        case ShownPicture::Kind::Heroine:
            ui->Image1->setPixmap(pictures::heroine(state.SecondGame, shown.pose));
            ui->Image1->setAccessibleName(pictures::heroineDescription(state.SecondGame, shown.pose));
            break;
        case ShownPicture::Kind::DayIcon:
            ui->Image1->setPixmap(pictures::dayIcon(shown.icon));
            ui->Image1->setAccessibleName(pictures::dayIconDescription(shown.icon));
            break;
        case ShownPicture::Kind::MonsterFile:
            // An unreadable file leaves the frame empty rather than showing
            // the previous picture under the new monster's name.
            ui->Image1->setPixmap(loadMonsterPicture(shown.file));
            ui->Image1->setAccessibleName(shown.name);
            break;
        }
    }
    if (outcome.windowIcon)
        setWindowIcon(QIcon(pictures::dayIcon(*outcome.windowIcon)));
    if (outcome.titleLine)
        ui->Label1->setText(displayText(*outcome.titleLine));
    if (outcome.message)
        ui->Label2->announce(displayText(*outcome.message));
    if (outcome.statusLine)
        ui->Label3->setText(displayText(*outcome.statusLine));
    if (outcome.titleLine || outcome.statusLine)
        describeStatus();
    if (outcome.spoken)
        m_spoken->say(*outcome.spoken);
}

void Form1::describeStatus()
{
    // The two status lines as a screen reader speaks them when the heroine's
    // picture has the focus, and again when they change while it has: what
    // a sighted player reads beside the picture, then the picture's keys.
    const QString status = (ui->Label1->text() + QLatin1Char(' ') + ui->Label3->text()).simplified();
    const QString description = status.isEmpty() ? m_image1Keys : tr("%1。%2").arg(status, m_image1Keys);
    if (ui->Image1->accessibleDescription() != description)
        ui->Image1->setAccessibleDescription(description);
}

void Form1::makeCareItems()
{
    // One picture per item the rules know, along the tray (Shape1), which
    // has room for six; the keyboard walks them between the heroine and the
    // pause icon.
    constexpr int TrayLeft = 16, TrayStep = 40, TrayTop = 180;
    QWidget *previous = ui->Image1;
    for (int item = 0; item < CareItemCount; ++item) {
        auto *box = new PictureBox(ui->centralwidget);
        box->setObjectName(QStringLiteral("Image2_%1").arg(item));
        box->setGeometry(TrayLeft + item * TrayStep, TrayTop, 26, 33);
        box->setScaledContents(true);
        box->setFocusPolicy(Qt::TabFocus);
        box->setPressable(true);
        box->setAccessibleName(careItemName(item));
        box->setAccessibleDescription(tr("Enterかスペースで与える"));
        box->setPixmap(pictures::careItem(item));
        box->installEventFilter(this);
        setTabOrder(previous, box);
        previous = box;
        Image2[item] = box;
    }
    setTabOrder(previous, ui->Image3);
}

void Form1::ShowCareItems()
{
    for (PictureBox *item : Image2)
        item->setVisible(true);
}

void Form1::HideCareItems()
{
    // The keyboard's place goes back to the heroine rather than on along the
    // tray to the pause icon, where the next Return would hold the clock.
    // (The window's own focus: it may be in the background as the morning comes.)
    if (std::any_of(Image2.begin(), Image2.end(), [this](const PictureBox *item) { return item == focusWidget(); }))
        ui->Image1->setFocus(Qt::OtherFocusReason);
    for (PictureBox *item : Image2)
        item->setVisible(false);
}

void Form1::startDayClock(int intervalMs)
{
    // A zero or negative interval would spin the clock as fast as events run;
    // scaledMs() never gives less than 1 ms.
    const int interval = scaledMs(intervalMs);
    if (m_timer1.isActive() && m_timer1.interval() == interval)
        return;
    m_timer1.start(interval);
}

void Form1::prepareDragIcons()
{
    for (int item = 0; item < CareItemCount; ++item)
        m_dragIcons[item] = Image2[item]->pixmap();
}

void Form1::dayClockTick()
{
    advanceDayClock(game());
}

void Form1::runSettings()
{
    game().Paused = True;
    if (openSettings)
        openSettings();
    game().Paused = False;
}

void Form1::showAbout()
{
    const QString lines[] = {
        tr("ＫｏＴｅＢｕ　Ｓｐｅｃｉａｌ　Ｐａｃｋ"),
        tr("・ＫｏＴｅＢｕ～ことぶ～"),
        tr("・ＫｏＴｅＢｕ２～ﾊﾙｰﾈﾝ物語～"),
        tr("制作：チーム・ハルカゼ"),
    };
    MessageRequest about;
    about.title = tr("About KoTeBu Special Pack");
    about.text = QStringList(std::begin(lines), std::end(lines)).join(gameLineBreak());
    about.icon = MessageIcon::Information;
    about.buttons = MessageButtons::Ok;
    about.defaultButton = MessageResult::Ok;
    messageBoxes().show(about);
}

void Form1::EndGame()
{
    const GameState &state = game();
    MessageRequest question;
    question.title = tr("終了確認");
    question.text = tr("%1の今日の冒険を終わります。").arg(state.heroineName());
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = MessageResult::Yes;
    if (messageBoxes().show(question) != MessageResult::Yes)
        return;

    // The program ends right after the writes, so the cursor is only put back
    // when a failed save sends the player back to the game.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    while (!SaveDay(state)) {
        // A full disk or a read-only folder can be mended while the game waits,
        // so the day is not thrown away at the first failure.
        QApplication::restoreOverrideCursor();
        MessageRequest failed;
        failed.text = tr("%1 を保存できませんでした").arg(iniFileName(settings::stateFile())) + gameLineBreak()
                      + tr("もう一度保存しますか？");
        failed.icon = MessageIcon::Critical;
        failed.buttons = MessageButtons::RetryBackEnd;
        failed.defaultButton = MessageResult::Retry;
        switch (messageBoxes().show(failed)) {
        case MessageResult::Back:
            return;
        case MessageResult::End:
            endProgram(1); // ended without its save: the status says so
        default:
            break;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    endProgram(0);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The window stays until the program ends. Only the player's own close
    // (the frame's button, the system menu) gets the end-of-day question.
    event->ignore();
    if (event->spontaneous())
        EndGame();
}

void Form1::updatePopupMenu()
{
    ui->ChrSt->setEnabled(enemyViewerAllowed(game()));
}

void Form1::openEnemyViewer()
{
    GameState &state = game();
    if (!enemyViewerAllowed(state))
        return;

    state.Paused = True;
    {
        Form3 viewer(ui->Image1->pixmap(), state.SecondGame, state.EnemyIndex, this);
        viewer.exec();
    }
    // However the viewer was closed, the clock runs again.
    game().Paused = False;
}

void Form1::careItemDropped(int item)
{
    GameState &state = game();
    const CareOutcome outcome = CareAction(state, item);
    // The new figures are in place before the focus goes back to the
    // heroine's picture, so a screen reader reads them with it.
    ui->Label3->setText(displayText(StatusLine(state)));
    describeStatus();
    if (outcome.hideItems)
        HideCareItems();
    // A refused or misplaced drop empties the message area; the reason is
    // only spoken, so a blind player can tell a refusal from a key that did
    // nothing.
    ui->Label2->announce(displayText(outcome.message));
    m_spoken->say(outcome.refusal);
}

void Form1::startCareDrag(int item)
{
    // The drag stays inside this window and runs on the ordinary event queue:
    // a system drag would run a loop of its own and hold the day clock until
    // the drop. The pointer itself becomes the item's picture.
    m_draggedItem = item;
    const QPixmap &icon = m_dragIcons[item];
    if (icon.isNull()) {
        QApplication::setOverrideCursor(Qt::ClosedHandCursor);
    } else {
        // The hot spot is in points, as Qt takes it: a double-size picture
        // has twice the pixels but the same centre. Qt's X11 backend hands it
        // to the server as pixels of the picture unchanged, so there it is
        // given in those (seen with Qt 6.4 at QT_SCALE_FACTOR=2).
        const QSize points = icon.deviceIndependentSize().toSize();
        QPoint centre(points.width() / 2, points.height() / 2);
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            centre = (QPointF(centre) * icon.devicePixelRatio()).toPoint();
        QApplication::setOverrideCursor(QCursor(icon, centre.x(), centre.y()));
    }
    // The release may come to any widget (the item hides when the morning
    // comes during the drag), so it is watched for application-wide.
    qApp->installEventFilter(this);
}

void Form1::finishCareDrag(QPoint globalPosition, bool dropped)
{
    const int item = m_draggedItem;
    m_draggedItem = -1;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    // The item itself never moves: a release anywhere but the heroine leaves
    // everything as it was.
    if (dropped && ui->Image1->isVisible() && ui->Image1->rect().contains(ui->Image1->mapFromGlobal(globalPosition)))
        careItemDropped(item);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (m_draggedItem >= 0) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                finishCareDrag(mouse->globalPosition().toPoint(), true);
                return true;
            }
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            finishCareDrag({}, false);
            return true;
        }
        if (event->type() == QEvent::ApplicationDeactivate)
            finishCareDrag({}, false);
    }
    if (watched == ui->Image1)
        return handleImage1Event(event);
    if (watched == ui->Image3)
        return handlePauseIconEvent(event);
    for (int item = 0; item < CareItemCount; ++item)
        if (watched == Image2[item])
            return handleCareItemEvent(item, event);
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::handleImage1Event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            // The menu's corner at the pointer; ChrSt is its default (bold)
            // item, not the one placed under the pointer.
            letKeysReachDisabledEntries(ui->PoPM, false);
            ui->PoPM->popup(mouse->globalPosition().toPoint());
        }
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            openEnemyViewer();
        return true;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            openEnemyViewer();
            return true;
        }
        if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            openPopupFromKeyboard();
            return true;
        }
        return false;
    }
    case QEvent::ContextMenu:
        // Some window systems send the Menu key as a menu request of its own.
        if (static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
            openPopupFromKeyboard();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void Form1::openPopupFromKeyboard()
{
    if (ui->PoPM->isVisible())
        return;
    // No pointer to open it at: it opens over the picture it belongs to,
    // with its default item current, so a screen reader names it at once,
    // greyed while it cannot be chosen (Return then does nothing).
    letKeysReachDisabledEntries(ui->PoPM, true);
    ui->PoPM->popup(ui->Image1->mapToGlobal(ui->Image1->rect().center()));
    ui->PoPM->setActiveAction(ui->ChrSt);
}

bool Form1::handleCareItemEvent(int item, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_pressedItem = item;
            m_pressAt = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_pressedItem == item && (mouse->buttons() & Qt::LeftButton)
            && (mouse->position().toPoint() - m_pressAt).manhattanLength() >= QApplication::startDragDistance()) {
            m_pressedItem = -1;
            startCareDrag(item);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_pressedItem = -1;
        return false;
    case QEvent::KeyPress:
        // Pressed from the keyboard, an item goes to the heroine as if
        // dropped on her picture.
        if (isPressKey(static_cast<QKeyEvent *>(event))) {
            careItemDropped(item);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void Form1::holdDayClock(bool hold)
{
    game().Paused = hold ? True : False;
    ui->Image3->setFrameShape(hold ? QFrame::Box : QFrame::NoFrame);
    // The frame tells a sighted player; a blind one hears it.
    m_spoken->say(hold ? tr("時間が止まった。") : tr("時間が動き出した。"));
}

bool Form1::handlePauseIconEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        holdDayClock(true);
        return true;
    case QEvent::MouseButtonRelease:
        holdDayClock(false);
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // A key held down repeats as releases and presses of its own; only
        // the real press and the real release count, as with a mouse button.
        auto *key = static_cast<QKeyEvent *>(event);
        if (m_pauseKey != 0 && key->key() == m_pauseKey) {
            if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
                m_pauseKey = 0;
                holdDayClock(false);
            }
            return true;
        }
        if (event->type() == QEvent::KeyPress && m_pauseKey == 0 && isPressKey(key)) {
            m_pauseKey = key->key();
            holdDayClock(true);
            return true;
        }
        return false;
    }
    case QEvent::FocusOut:
        // The release will go elsewhere: the clock must not stay held.
        if (m_pauseKey != 0) {
            m_pauseKey = 0;
            holdDayClock(false);
        }
        return false;
    default:
        return false;
    }
}

} // namespace kotebu
