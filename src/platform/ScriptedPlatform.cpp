#include "platform/ScriptedPlatform.h"

namespace orvel {

ScriptedPlatform& ScriptedPlatform::answer(MsgAnswer a)
{
    m_answers.push_back({PromptKind::Message, a, {}, false});
    return *this;
}

ScriptedPlatform& ScriptedPlatform::answer(const QString& typed)
{
    m_answers.push_back({PromptKind::Input, MsgAnswer::Ok, typed, false});
    return *this;
}

ScriptedPlatform& ScriptedPlatform::answerFile(const QString& path)
{
    m_answers.push_back({PromptKind::File, MsgAnswer::Ok, path, true});
    return *this;
}

ScriptedPlatform& ScriptedPlatform::cancelFile()
{
    m_answers.push_back({PromptKind::File, MsgAnswer::Cancel, {}, false});
    return *this;
}

QStringList ScriptedPlatform::promptTexts() const
{
    QStringList texts;
    for (const Prompt& p : prompts)
        texts << p.text;
    return texts;
}

bool ScriptedPlatform::next(PromptKind kind, Answer& answer)
{
    if (m_answers.empty()) {
        ++unscripted;
        return false;
    }
    answer = m_answers.front();
    m_answers.pop_front();
    if (answer.kind != kind) {
        ++mismatched;
        return false;
    }
    return true;
}

MsgAnswer ScriptedPlatform::messageBox(const MessageRequest& request)
{
    Prompt p;
    p.kind = PromptKind::Message;
    p.title = request.title;
    p.text = request.text;
    p.buttons = request.buttons;
    p.icon = request.icon;
    p.defaultButton = request.defaultButton;
    prompts.append(p);

    // An OK-only box needs no script and takes none: there is nothing to choose.
    if (request.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    Answer a;
    return next(PromptKind::Message, a) ? a.button : request.defaultButton;
}

QString ScriptedPlatform::inputBox(const InputRequest& request)
{
    Prompt p;
    p.kind = PromptKind::Input;
    p.title = request.title;
    p.text = request.prompt;
    p.defaultText = request.defaultText;
    prompts.append(p);

    Answer a;
    return next(PromptKind::Input, a) ? a.text : QString();
}

std::optional<QString> ScriptedPlatform::fileDialog(const FileDialogRequest& request)
{
    Prompt p;
    p.kind = PromptKind::File;
    p.title = request.title;
    p.file = request;
    prompts.append(p);

    Answer a;
    if (!next(PromptKind::File, a) || !a.chosen)
        return std::nullopt;
    return a.text;
}

void ScriptedPlatform::sendKeys(QWidget* target, const QString& text)
{
    keysSent << text;
    m_typer.type(target, text);
}

} // namespace orvel
