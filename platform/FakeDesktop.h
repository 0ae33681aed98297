#pragma once

#include "SystemDesktop.h"

#include <QList>
#include <QStringList>
#include <QWidget>

namespace platform {

// The desktop for tests: message boxes, file dialogs and links are recorded
// instead of shown, the program's folder is the test's own, and the sound
// output is the real one (on SDL's dummy or disk driver in tests).
class FakeDesktop : public SystemDesktop
{
public:
    explicit FakeDesktop(QString folder = {}) : folder_(std::move(folder)) {}

    void setProgramFolder(const QString& folder) { folder_ = folder; }
    QString programFolder() const override
    {
        return folder_.isEmpty() ? SystemDesktop::programFolder() : folder_;
    }

    void showCriticalMessage(QWidget* owner, const QString& text) override
    {
        messages.append(text);
        messageOwners.append(owner);
    }

    std::optional<QString> chooseOpenFile(QWidget* owner, const OpenFileRequest& request) override
    {
        fileRequests.append(request);
        fileOwners.append(owner);
        return fileAnswer;
    }

    void openLink(const QString& target) override { links.append(target); }

    QStringList messages;
    QList<QWidget*> messageOwners;
    QList<OpenFileRequest> fileRequests;
    QList<QWidget*> fileOwners;
    std::optional<QString> fileAnswer; // what the next file dialog answers
    QStringList links;

private:
    QString folder_;
};

} // namespace platform
