// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/interaction.h"

#include <QMetaObject>
#include <QObject>

#include <type_traits>

// Lets work on another thread ask the user: each question is put to the target on the thread
// of the context object, and the asking thread waits for the answer. Never to be used on the
// context's own thread, which would wait for itself.
class ForwardedInteraction : public Interaction {
public:
    ForwardedInteraction(Interaction &target, QObject &context)
        : m_target(target)
        , m_context(context)
    {
    }

    Answer messageBox(const QString &text, MessageStyle style, const QString &title) override
    {
        return ask([&] { return m_target.messageBox(text, style, title); });
    }
    Answer confirmOverwrite(const QString &text, const QString &title) override
    {
        return ask([&] { return m_target.confirmOverwrite(text, title); });
    }
    Answer skipOrCancel(const QString &text, const QString &title) override
    {
        return ask([&] { return m_target.skipOrCancel(text, title); });
    }
    QString openFileName(const QString &title, const QString &startFolder,
                         const QStringList &filters) override
    {
        return ask([&] { return m_target.openFileName(title, startFolder, filters); });
    }
    QString saveFileName(const QString &title, const QString &startPath,
                         const QStringList &filters) override
    {
        return ask([&] { return m_target.saveFileName(title, startPath, filters); });
    }
    QString folderName(const QString &title, const QString &startFolder) override
    {
        return ask([&] { return m_target.folderName(title, startFolder); });
    }
    std::optional<QColor> colour(const QColor &initial) override
    {
        return ask([&] { return m_target.colour(initial); });
    }
    void beep() override
    {
        QMetaObject::invokeMethod(
            &m_context, [this] { m_target.beep(); }, Qt::BlockingQueuedConnection);
    }

private:
    template<typename Question> std::invoke_result_t<Question> ask(Question question)
    {
        std::invoke_result_t<Question> answer{};
        QMetaObject::invokeMethod(
            &m_context, [&] { answer = question(); }, Qt::BlockingQueuedConnection);
        return answer;
    }

    Interaction &m_target;
    QObject &m_context;
};
