// Draws the word activity's windows to PNG files at several sizes, for looking at them:
//   kiv_gallery <output folder>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QPixmap>

#include "activity_window.h"
#include "fake_host.h"
#include "fake_ports.h"
#include "fake_wave_player.h"
#include "files/user_settings.h"
#include "kiv/word_activity.h"
#include "session/app_state.h"
#include "settings_window.h"
#include "temp_dir.h"
#include "twips.h"
#include "ui_host.h"

using namespace kz;

namespace {

// Text measured in the real font, so the labels are as wide as on screen.
class QtMeasure final : public TextMeasure {
public:
    TextSize measure(std::string_view text, const FontSpec& font) override {
        const QFont f = ui::fontAt(font.family.c_str(), font.pointSize, font.bold);
        const QFontMetrics m(f);
        return {static_cast<int>(ui::pixelsToTwips(m.horizontalAdvance(
                    QString::fromLatin1(text.data(), static_cast<int>(text.size()))))),
                static_cast<int>(ui::pixelsToTwips(m.height()))};
    }
};

void shoot(QWidget* w, const QString& file) { w->grab().save(file); }

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? argv[1] : ".";
    QDir().mkpath(out);
    test::TempDir dir;
    dir.write("BMPS/x", "x");
    dir.write("DATA/17FROG.DAT", "x");
    dir.write("WORDLIST/0001TO24.TXT", "*WORDLIST*\r\ncat,cot,cut,hat,dog,pig,frog,lily\r\n");
    dir.write("TEACHER.WQ", UserSettings().encode());
    const struct {
        int32_t options;
        QSize size;
        const char* name;
    } shots[] = {{3 + 16 * 4 + 128 * 20 + 8192 * 10, {1024, 707}, "kiv-choices-1024"},
                 {3 + 16 * 1 + 128 * 20 + 8192 * 5, {640, 442}, "kiv-typed-640"},
                 {3 + 16 * 3 + 128 * 20 + 8192 * 1, {400, 276}, "kiv-nofrogs-400"}};
    for (const auto& s : shots) {
        AppState state;
        state.appDir = state.dataDir = dir.str();
        state.workSettings.setKivOptions(s.options);
        test::FakeTimers timers;
        test::FakeClock clock(&timers);
        test::ScriptedRandom random({0.3, 0.1, 0.6, 0.2, 0.9, 0.4, 0.7, 0.5});
        QtMeasure text;
        FakeWavePlayer word, click;
        test::FakeHost host;
        ProgramPorts ports{timers, word, click, text, random, clock, host};
        ui::ActivityWindow w(state, ports, {});
        w.resize(s.size);
        w.show();
        w.start();
        w.activity().answerTextChanged("c");
        shoot(&w, out + "/" + s.name + ".png");
        w.activity().choiceClicked(1);
        shoot(&w, out + "/" + s.name + "-answered.png");
    }
    for (QSize size : {QSize(1024, 707), QSize(560, 387), QSize(312, 190)}) {
        AppState state;
        state.appDir = state.dataDir = dir.str();
        ui::UiHost host;
        ui::SettingsWindow w(state, host, {});
        w.resize(size);
        w.show();
        w.load();
        shoot(&w, out + QString("/kivset-%1.png").arg(size.width()));
    }
    return 0;
}
