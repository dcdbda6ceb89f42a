// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Time from a pointer move that leaves the road to the crying face being
// drawn: the play screen on the offscreen platform, a run started with the
// Start click, a move event onto the roadside, and the face box's paint of
// face 6 as the finish line. Each miss's wait is ended by a space key press.
// Prints one line: "miss_to_face_ms median=<ms> p95=<ms> max=<ms> samples=<n>".

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "game/HighScoreTable.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSamples = 51;

// Watches the face box: the first paint that shows the crying face (the
// picture of store 6) stops the clock, then a space press ends the wait.
class CryingFaceProbe : public QObject {
public:
    explicit CryingFaceProbe(PlayScreen* play) : QObject(play), m_play(play)
    {
        play->findChild<PictureBox*>(QStringLiteral("faceBox"))->installEventFilter(this);
    }

    void arm() { m_drawnAt.reset(); }
    std::optional<Clock::time_point> drawnAt() const { return m_drawnAt; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_drawnAt || !ShowsCryingFace())
            return false;
        // Let the face box draw itself first, so the clock stops when it is drawn.
        static_cast<QObject*>(m_play->findChild<PictureBox*>(QStringLiteral("faceBox")))->event(event);
        m_drawnAt = Clock::now();
        QTimer::singleShot(0, m_play, [play = m_play] {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(play->findChild<QLineEdit*>(QStringLiteral("focusKeeper")), &space);
        });
        return true;
    }

private:
    bool ShowsCryingFace() const
    {
        return m_play->findChild<PictureBox*>(QStringLiteral("faceBox"))->picture().cacheKey() == m_play->face(6).cacheKey();
    }

    PlayScreen* m_play;
    std::optional<Clock::time_point> m_drawnAt;
};

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// One miss: Start click, then a move onto the roadside at the map's corner.
std::optional<double> MeasureOneMiss(PlayScreen& play, CryingFaceProbe& probe)
{
    play.session()->clickStart(0);
    Settle();
    const QPointF roadside(1.0, 1.0);  // pixel (0, 0) has the background colour by definition
    QMouseEvent move(QEvent::MouseMove, roadside, play.findChild<MapBox*>(QStringLiteral("courseMap"))->surface()->mapToGlobal(roadside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    probe.arm();
    const Clock::time_point start = Clock::now();
    QApplication::sendEvent(play.findChild<MapBox*>(QStringLiteral("courseMap"))->surface(), &move);
    // The miss line now waits; the face is drawn at the next paint.
    while (!probe.drawnAt() && Clock::now() - start < std::chrono::seconds(2))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!probe.drawnAt())
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(*probe.drawnAt() - start).count();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pokurimo"));
    QApplication::setApplicationName(QStringLiteral("Pokurimo"));
    look::RegisterFontSubstitutes();
    game::SetAppFolder(QStringLiteral(POKURIMO_APP_FOLDER));
    HighScoreTable table;
    PlayScreen play(table, 2, 1, kSamples + 1);  // the game never ends here
    if (!play.setUpStage()) {
        std::fprintf(stderr, "miss_latency: the stage 1 course could not be read\n");
        return 1;
    }
    play.show();
    while (!play.windowHandle() || !play.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Settle();
    CryingFaceProbe probe(&play);

    std::vector<double> samples;
    for (int i = 0; i < kSamples; ++i) {
        const std::optional<double> ms = MeasureOneMiss(play, probe);
        if (!ms) {
            std::fprintf(stderr, "miss_latency: miss %d never drew the crying face\n", i + 1);
            return 1;
        }
        samples.push_back(*ms);
        Settle();
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t p95 = (samples.size() * 95 + 99) / 100 - 1;
    std::printf("miss_to_face_ms median=%.3f p95=%.3f max=%.3f samples=%zu\n", samples[samples.size() / 2],
                samples[p95], samples.back(), samples.size());
    return 0;
}
