#pragma once

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz::test {

// Acts on the next modal window of type T once it is up (the page opens it inside exec()).
template <typename T>
void whenModalIs(std::function<void(T*)> act) {
    QTimer::singleShot(5, [act = std::move(act)]() mutable {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) return act(w);
        whenModalIs<T>(std::move(act));
    });
}

// Types text into the next input dialog and presses OK (or Cancel).
inline void answerInput(const QString& text, bool ok = true) {
    whenModalIs<QInputDialog>([text, ok](QInputDialog* d) {
        d->setTextValue(text);
        ok ? d->accept() : d->reject();
    });
}

// Records the next message box's text and presses the button whose text contains `button` (the
// first button when empty).
inline void answerMessage(QString* seen, const QString& button = {}) {
    whenModalIs<QMessageBox>([seen, button](QMessageBox* box) {
        if (seen) *seen = box->text();
        for (auto* b : box->buttons()) {
            if (button.isEmpty() || b->text().remove('&').contains(button)) {
                qobject_cast<QPushButton*>(b)->click();
                return;
            }
        }
        box->reject();
    });
}

// Every file of a class folder with its bytes: two folders changed alike compare equal.
inline std::map<std::string, std::string> folderBytes(const std::filesystem::path& root) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        out[std::filesystem::relative(e.path(), root).string()] = {
            std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    return out;
}

// A new class folder as `wqadmin init DIR` makes it.
inline std::string newClass(const TempDir& tmp, const std::string& name) {
    const std::string dir = (tmp / name).string();
    runWqadmin({"init", dir});
    return dir;
}

inline RunResult wq(const std::vector<std::string>& args) { return runWqadmin(args); }

}  // namespace kz::test
