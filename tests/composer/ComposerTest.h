#pragma once

#include "app/Composition.h"
#include "app/PageModes.h"
#include "composer/ComposerWindow.h"
#include "composer/EditControl.h"
#include "support/Fixtures.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace orvel::test {

// Waits for a loading page; the engine renders in software here, so generously.
inline bool waitLoaded(EditControl* c)
{
    if (!c->isLoading())
        return true;
    QSignalSpy spy(c, &EditControl::loaded);
    return spy.wait(60000);
}

// The whole program, the Composer shown; ending the program is counted, not done.
class ComposerTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        program = buildProgram();
        c = program->composer.get();
        c->links.endProgram = [this] { ++endProgramCalls; };
        c->show();
        ASSERT_TRUE(waitLoaded(c->area));
        ASSERT_TRUE(waitLoaded(c->assister));
        handedAt = c->assister->loads();
    }
    void TearDown() override
    {
        program.reset();
        PlatformTest::TearDown();
    }
    SourceWindow* source() { return program->sourceWindow(false); }
    void trigger(const char* action) { c->menuAction(q(action))->trigger(); }
    // The fragment handed to the side control since the last call ("" when none): its file is
    // readable by the user alone while the view reads it, and gone once it has.
    QString handedFragment()
    {
        if (c->assister->loads() == handedAt)
            return {};
        handedAt = c->assister->loads();
        const QString path = c->assister->pendingFragmentPath();
        if (!path.isEmpty()) {
            EXPECT_EQ(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther), 0);
        }
        EXPECT_TRUE(waitLoaded(c->assister));
        EXPECT_TRUE(path.isEmpty() || !QFile::exists(path));
        return QString::fromUtf8(c->assister->lastFragment());
    }

    QTemporaryDir dir;
    std::unique_ptr<Program> program;
    ComposerWindow* c = nullptr;
    quint64 handedAt = 0;
    int endProgramCalls = 0;
};

} // namespace orvel::test
