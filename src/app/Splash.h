#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QProgressBar;

namespace orvel {

// The program's version record.
struct AppVersion {
    int major = 2, minor = 0, revision = 0;
};
inline constexpr AppVersion kAppVersion{};
// The application title the splash and the about box show.
QString appTitle();

// The program's logo at `size` pixels: its picture, or a drawn one where the desktop cannot read
// it.
QPixmap logoPicture(int size);

// One step of the start-up sequence. A null `productName` leaves the product name as it was.
struct SplashStep {
    int atMs;
    int progress;
    const char* loader;
    const char* productName;
};
// The eight steps, in the order they run.
const std::array<SplashStep, 8>& splashSteps();

// The splash window `frmSplash`: a progress bar, a status line and the product name spelled out
// step by step, then the first working window. Each step runs once, at its time after the window
// is loaded; `Schedule` arms one step (tests give a clock of their own).
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    using Schedule = std::function<void(int ms, std::function<void()> step)>;

    // `showFirstWindow` runs after the last step, when the splash is gone.
    explicit SplashWindow(std::function<void()> showFirstWindow, Schedule schedule = {},
                          QWidget* parent = nullptr);

    QProgressBar* ProgressBar1 = nullptr;
    QLabel* loader = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* imgLogo = nullptr;

    // Runs step `index` (0 to 7); the last one unloads the splash and shows the first window.
    void runStep(int index);
    // Starts the sequence: every step armed at once, each at its own time.
    void Form_Load();

private:
    std::function<void()> m_showFirstWindow;
    Schedule m_schedule;
    std::array<bool, 8> m_done{};
};

} // namespace orvel
