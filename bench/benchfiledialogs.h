#pragma once

#include "mainwindow/filedialogs.h"

// Answers the open and save dialogs of the group commands with one path, as
// a user who picks the same file every time. Installs itself for its
// lifetime.
class BenchFileDialogs : public FileDialogs
{
public:
    BenchFileDialogs() { FileDialogs::install(this); }
    ~BenchFileDialogs() override { FileDialogs::install(nullptr); }
    BenchFileDialogs(const BenchFileDialogs&) = delete;
    BenchFileDialogs& operator=(const BenchFileDialogs&) = delete;

    void setAnswer(const QString& path) { m_answer = path; }

    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return m_answer;
    }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return m_answer;
    }

private:
    QString m_answer;
};
