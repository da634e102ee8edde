#pragma once

#include "support/DocxReader.h"
#include "platform/MsgBox.h"
#include "platform/word/Word.h"

#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Each test writes into its own temporary folder, records the messages instead of showing them
// and opens nothing on the desktop.
class WordTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        WordApplication::setOpenAfterSave(false);
        setMessageHandler([this](const MessageRecord &record) {
            messages << record;
            return int(vb::OK);
        });
    }

    void TearDown() override
    {
        setMessageHandler({});
        WordApplication::setOpenAfterSave(true);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    // Saves the document and reads the file back; the package must be sound.
    docx::Document saveAndRead(WordDocument &document, const QString &name = QStringLiteral("doc.docx"))
    {
        EXPECT_TRUE(document.SaveAs(path(name)));
        docx::Document read = docx::read(path(name));
        EXPECT_EQ(read.error, QString());
        EXPECT_TRUE(read.problems.isEmpty()) << read.problems.join(u'\n').toStdString();
        return read;
    }

    QTemporaryDir dir;
    QList<MessageRecord> messages;
};

inline std::ostream &operator<<(std::ostream &os, const QString &s)
{
    return os << s.toStdString();
}
