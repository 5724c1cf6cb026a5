#pragma once
// View > Messages: every message of this run with its time, in a window of its own beside the settings, read
// and copied as text.

#include <QWidget>

class QPlainTextEdit;

namespace velmar {

class CMessageLog;

class CMessagesWindow : public QWidget {
public:
    explicit CMessagesWindow(CMessageLog& log);
    ~CMessagesWindow() override;
    QString Text() const;

private:
    CMessageLog& m_log;
    QPlainTextEdit* m_pText;
};

} // namespace velmar
