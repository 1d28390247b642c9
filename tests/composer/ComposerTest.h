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
    }
    void TearDown() override
    {
        program.reset();
        PlatformTest::TearDown();
    }
    SourceWindow* source() { return program->sourceWindow(false); }
    void trigger(const char* action) { c->menuAction(q(action))->trigger(); }
    // The fragment handed to the side control, from its private file before the view removes it.
    QString handedFragment()
    {
        const QString path = c->assister->pendingFragmentPath();
        if (path.isEmpty())
            return {};
        EXPECT_EQ(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther), 0);
        const QString text = QString::fromUtf8(fileBytes(path));
        EXPECT_TRUE(waitLoaded(c->assister));
        EXPECT_FALSE(QFile::exists(path));
        return text;
    }

    QTemporaryDir dir;
    std::unique_ptr<Program> program;
    ComposerWindow* c = nullptr;
    int endProgramCalls = 0;
};

} // namespace orvel::test
