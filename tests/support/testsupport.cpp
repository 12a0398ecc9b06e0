#include "testsupport.h"

#include "app/screenset.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/screen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

float ScriptedRandom::next() {
    ++taken;
    if (numbers_.empty()) {
        QTest::qFail("the scripted random source ran dry", __FILE__, __LINE__);
        return 0.0f;
    }
    const float number = numbers_.front();
    numbers_.pop_front();
    return number;
}

TempProgramFolder::TempProgramFolder() {
    runtime::setProgramFolder(dir_.path());
}

TempProgramFolder::~TempProgramFolder() {
    runtime::setProgramFolder(QString());
}

void TempProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    const QString path = dir_.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TempProgramFolder::read(const QString& name) const {
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempProgramFolder::exists(const QString& name) const {
    return QFileInfo::exists(dir_.filePath(name));
}

bool TempProgramFolder::replaceWithFolder(const QString& name) const {
    return QFile::remove(dir_.filePath(name)) && QDir(dir_.path()).mkdir(name);
}

QStringList TempProgramFolder::entries() const {
    return QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name);
}

Label* labelNamed(const QObject& parent, const QString& name) {
    auto* found = parent.findChild<Label*>(name);
    if (!found)
        qFatal("no label %s", qPrintable(name));
    return found;
}

Purse purseOf(Amount amount) {
    Purse purse;
    money::assured(purse.payIn(amount));
    return purse;
}

QPixmap plainPicture(QColor colour, QSize size) {
    QPixmap picture(size);
    picture.fill(colour);
    return picture;
}

int dismissSaveFailed() {
    int dismissed = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* message = qobject_cast<QMessageBox*>(window);
        if (!message || !message->isVisible() || message->objectName() != "saveFailed")
            continue;
        if (message->windowTitle() != QLatin1String("Tombel") ||
            !message->text().startsWith(QLatin1String("Podesavanja nisu sacuvana")))
            QTest::qFail("the message does not say that the settings were not saved", __FILE__,
                         __LINE__);
        QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
        ++dismissed;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dismissed;
}

QStringList visibleScreens(const ScreenSet& screens) {
    // Every screen shows in the program's one window; only a message may
    // stand beside it.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window != &screens.frame() &&
            !qobject_cast<QMessageBox*>(window))
            QTest::qFail(qPrintable(QStringLiteral("a second window: ") + window->objectName()),
                         __FILE__, __LINE__);
    QStringList names;
    const std::pair<ScreenId, const char*> all[] = {
        {ScreenId::Intro, "Intro"},         {ScreenId::MainMenu, "MainMenu"},
        {ScreenId::CardTable, "CardTable"}, {ScreenId::DoubleUp, "DoubleUp"},
        {ScreenId::Options, "Options"},     {ScreenId::Controls, "Controls"}};
    for (const auto& [id, name] : all)
        if (Screen* screen = screens.existing(id); screen && screen->isVisible())
            names << QLatin1String(name);
    return names;
}
