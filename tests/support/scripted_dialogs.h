// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <vector>

#include "ui/user_dialogs.h"

namespace tarvex::testing {

// Dialogs answered from a script, recording what they were shown.
struct ScriptedDialogs final : tarvex::UserDialogs {
    std::deque<QString> file_names;
    std::deque<bool> answers;
    std::vector<QString> initial_names;
    std::vector<QString> titles;
    struct Message {
        Icon icon;
        QString caption, text;
    };
    std::vector<Message> messages;
    int questions = 0;
    // Runs while a save dialog of the added commands is open.
    std::function<void()> while_open;

    QString save_file_name(QWidget*, const QString& title, const QString& initial) override {
        titles.push_back(title);
        initial_names.push_back(initial);
        return next();
    }
    QString open_file_name(QWidget*, const QString& title) override {
        titles.push_back(title);
        return next();
    }
    QString save_file_of(QWidget*, const QString& title, FileKind,
                         const QString& initial) override {
        titles.push_back(title);
        initial_names.push_back(initial);
        if (while_open)
            while_open();
        return next();
    }
    QString open_file_of(QWidget*, const QString& title, FileKind) override {
        titles.push_back(title);
        return next();
    }
    bool ask_yes_no(QWidget*, const QString&, const QString&) override {
        ++questions;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void message(QWidget*, Icon icon, const QString& caption, const QString& text) override {
        messages.push_back({icon, caption, text});
    }
    QString next() {
        if (file_names.empty())
            return {};
        QString n = file_names.front();
        file_names.pop_front();
        return n;
    }
};

}  // namespace tarvex::testing
