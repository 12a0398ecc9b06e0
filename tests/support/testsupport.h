#pragma once
// Helpers shared by the tests: a scripted random source and a throw-away
// program folder.

#include "common/random.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <initializer_list>

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

private:
    QTemporaryDir dir_;
};
