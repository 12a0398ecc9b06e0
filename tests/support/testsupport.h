#pragma once
// Helpers shared by the tests: a scripted random source, a throw-away
// program folder, a screen's labels found by name and plain pictures.

#include "common/money.h"
#include "common/random.h"

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <initializer_list>

class ScreenSet;

// Hands out the numbers it was given, in order; counts the re-seeds. Running
// dry is a test fault and is reported through QTest.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> numbers) : numbers_(numbers) {}

    void push(float number) { numbers_.push_back(number); }
    void push(std::initializer_list<float> numbers) { numbers_.insert(numbers_.end(), numbers); }
    // The number that makes floor(r * 4 + 1) give this draw code.
    static float forDrawCode(int code) { return (static_cast<float>(code) - 1.0f) / 4.0f + 0.1f; }

    void reseed() override { ++reseeds; }
    float next() override;

    int reseeds = 0;
    int taken = 0;
    std::size_t left() const { return numbers_.size(); }

private:
    std::deque<float> numbers_;
};

// A fresh program folder for one test: config.not and Grafika/ live here.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    // Puts a folder where the file stood, so that no write can replace it.
    bool replaceWithFolder(const QString& name) const;
    // Everything the folder holds at its top level, sorted.
    QStringList entries() const;

private:
    QTemporaryDir dir_;
};

class Label;
class QObject;

// The label of that name below `parent`. A name that is not there is a fault
// of the test itself and ends the run at once, naming the label.
Label* labelNamed(const QObject& parent, const QString& name);

// A purse holding this much, as the house opens one: money for a test to hand in.
Purse purseOf(Amount amount);

// A picture of one plain colour.
QPixmap plainPicture(QColor colour, QSize size);

// Closes every message saying that the settings were not saved, as the
// player would, after checking that it shows the program's title and text;
// returns how many there were.
int dismissSaveFailed();

// The screens that are showing now, by name ("Intro", "MainMenu",
// "CardTable", "DoubleUp", "Options", "Controls"), after checking that no
// window shows but the program's one (and a message).
QStringList visibleScreens(const ScreenSet& screens);
