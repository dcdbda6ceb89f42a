// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The English translation: chosen from the desktop's languages, complete and in
// step with the sources, and every text fits its box in both languages.

#include "support/Drive.h"
#include "support/TestEnv.h"

#include "game/AppFolder.h"
#include "i18n/Language.h"
#include "play/PlayScreen.h"
#include "game/HighScoreTable.h"
#include "ranking/RankingScreen.h"
#include "rules/Course.h"
#include "rules/StageRules.h"
#include "rules/TextFit.h"
#include "title/TitleScreen.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kTsFile = QStringLiteral(POKURIMO_SOURCE_DIR "/i18n/pokurimo_en.ts");

struct Message {
    QString context, source, comment, translation, type;
    QString key() const { return context + u'|' + source + u'|' + comment; }
};

QList<Message> ReadTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}, {}, {}});
        else if (xml.name() == u"source")
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"comment")
            messages.last().comment = xml.readElementText();
        else if (xml.name() == u"translation") {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QStringList Placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

QString Translated(const Message& m)
{
    return QCoreApplication::translate(m.context.toUtf8().constData(), m.source.toUtf8().constData(),
                                       m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData());
}

// Where the style draws a widget's text.
QRect TextRoom(const QWidget* w)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(button);
        return w->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                                          &option, w);
    }
    auto* label = qobject_cast<const QLabel*>(w);
    const int m = label->margin();
    return label->contentsRect().adjusted(m, m, -m, -m);
}

// Empty when the text fits the widget's room, else what went wrong.
QString Overflow(const QWidget* w, const QString& text)
{
    auto* label = qobject_cast<const QLabel*>(w);
    const bool wrap = label && label->wordWrap();
    const QRect room = TextRoom(w);
    const QSize needs = fit::Needs(w->font(), text, room.width(), Qt::TextShowMnemonic | (wrap ? Qt::TextWordWrap : 0));
    const int width = needs.width();
    const int height = needs.height();
    if (width <= room.width() && height <= room.height())
        return {};
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
        .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(), text)
        .arg(width)
        .arg(height)
        .arg(room.width())
        .arg(room.height());
}

// Every caption a window shows as built: labels and buttons with text.
QStringList CaptionsOverflowing(const QWidget& window)
{
    QStringList problems;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<const QLabel*>(w))
            text = label->text();
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            text = button->text();
        if (!text.isEmpty() && !w->isHidden())
            problems << Overflow(w, text);
    }
    problems.removeAll(QString());
    return problems;
}

QStringList Overflowing(const QWidget* w, const QStringList& texts)
{
    QStringList problems;
    for (const QString& text : texts)
        problems << Overflow(w, text);
    problems.removeAll(QString());
    return problems;
}

// The texts of the game's own course that the dialogue box shows: its
// stories, checkpoint comments and clear lines (the pack carries their English).
QList<course::Text> CourseLines()
{
    const course::Course& c = course::BuiltIn();
    QList<course::Text> texts{c.farewell};
    auto story = [&texts](const std::vector<course::StoryLine>& lines) {
        for (const course::StoryLine& l : lines)
            texts << l.text;
    };
    story(c.ending);
    for (const course::Stage& s : c.stages) {
        story(s.opening);
        story(s.meeting);
        texts << s.clearLine;
        for (const course::Checkpoint& k : s.checkpoints)
            if (!k.line.japanese.isEmpty())
                texts << k.line;
    }
    return texts;
}

// The lines the dialogue box can show: the course's, the prompts and cries
// (notices with a file name go to a message box).
QStringList DialogueLines()
{
    QStringList lines;
    for (const course::Text& t : CourseLines())
        lines << t.shown();
    for (const Message& m : ReadTs(kTsFile)) {
        const bool spoken = m.context == u"story" || m.context == u"checkpoint" || m.context == u"stage" ||
                            m.context == u"PlayScreen" || m.context == u"WatchRun";
        if (spoken && Placeholders(m.source).isEmpty())
            lines << Translated(m);
    }
    return lines;
}

void RemoveTranslators()
{
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

}  // namespace

#define EXPECT_FITS(problems)                                                                  \
    do {                                                                                       \
        const QStringList p_ = (problems);                                                     \
        QVERIFY2(p_.isEmpty(), qPrintable(p_.join(QStringLiteral("; "))));                     \
    } while (false)

class TestEnglish : public QObject {
    Q_OBJECT
    TestEnv env;

    void useLanguage(const QString& language)
    {
        RemoveTranslators();
        if (language == u"en")
            QVERIFY(language::InstallEnglish(*qApp));
    }

private Q_SLOTS:
    void initTestCase() { look::RegisterFontSubstitutes(); }
    void cleanup() { RemoveTranslators(); }

    void chosenFromUiLanguages_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<bool>("english");
        QTest::newRow("English desktop") << QStringList{"en-US", "en-Latn-US", "en"} << true;
        QTest::newRow("British, underscore") << QStringList{"en_GB"} << true;
        QTest::newRow("Japanese desktop") << QStringList{"ja-JP", "ja-Jpan-JP", "ja"} << false;
        QTest::newRow("C locale") << QStringList{"C"} << false;
        QTest::newRow("nothing") << QStringList{} << false;
        QTest::newRow("German only") << QStringList{"de-DE", "de"} << false;
        QTest::newRow("French, then English") << QStringList{"fr-FR", "fr", "en"} << true;
        QTest::newRow("Japanese before English") << QStringList{"ja", "en-US"} << false;
        QTest::newRow("English before Japanese") << QStringList{"EN", "ja"} << true;
        QTest::newRow("a language starting with en") << QStringList{"eo", "enq"} << false;
    }
    void chosenFromUiLanguages()
    {
        QFETCH(QStringList, languages);
        QFETCH(bool, english);
        QCOMPARE(language::WantsEnglish(languages), english);
    }

    // Every text has its English, keeps its placeholders, and the embedded
    // translation is the one in the .ts.
    void everyTextTranslated()
    {
        useLanguage(QStringLiteral("en"));
        const QList<Message> messages = ReadTs(kTsFile);
        QVERIFY(messages.size() > 30);  // the course's own texts are in its pack
        for (const Message& m : messages) {
            const QString where = m.context + QStringLiteral(": ") + m.source;
            QVERIFY2(m.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + m.type));
            QVERIFY2(!m.translation.isEmpty(), qPrintable(where + QStringLiteral(" has no English")));
            QVERIFY2(Placeholders(m.translation) == Placeholders(m.source),
                     qPrintable(where + QStringLiteral(" loses or adds a placeholder")));
            QCOMPARE(Translated(m), m.translation);
        }
        QList<course::Text> course = CourseLines();
        for (const course::Stage& s : course::BuiltIn().stages)
            course << s.name;
        QVERIFY(course.size() > 30);
        for (const course::Text& t : course) {
            QVERIFY2(!t.english.isEmpty(), qPrintable(t.japanese + QStringLiteral(" has no English in course.json")));
            QCOMPARE(t.shown(), t.english);
        }
    }

    // The .ts holds exactly the texts the sources mark: nothing new left out,
    // nothing stale kept.
    void translationsMatchSources()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("check_en.ts"));
        QVERIFY(QFile::copy(kTsFile, copy));
        QProcess lupdate;
        lupdate.start(QStringLiteral(POKURIMO_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-I"), QStringLiteral(POKURIMO_SOURCE_DIR),
                       QStringLiteral("@" POKURIMO_TRANSLATED_SOURCES), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        QStringList committed, marked;
        for (const Message& m : ReadTs(kTsFile))
            committed << m.key();
        for (const Message& m : ReadTs(copy)) {
            marked << m.key();
            QVERIFY2(m.type.isEmpty() && !m.translation.isEmpty(),
                     qPrintable(m.context + QStringLiteral(": ") + m.source + QStringLiteral(" is not translated")));
        }
        committed.sort();
        marked.sort();
        QCOMPARE(committed, marked);
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("Japanese") << QStringLiteral("ja");
        QTest::newRow("English") << QStringLiteral("en");
    }

    void textsFit()
    {
        QFETCH(QString, language);
        useLanguage(language);

        TitleScreen title(Shelf());
        title.setAttribute(Qt::WA_DeleteOnClose, false);
        EXPECT_FITS(CaptionsOverflowing(title));

        PlayScreen play(Table(), 1);
        play.setAttribute(Qt::WA_DeleteOnClose, false);
        EXPECT_FITS(CaptionsOverflowing(play));
        QStringList stageNames;
        for (const course::Stage& stage : course::BuiltIn().stages)
            stageNames << stage.name.shown();
        EXPECT_FITS(Overflowing(Find<QLabel>(&play, "stageBox"), stageNames));
        // The pack loader measures a pack's texts in the very rooms the screen draws them in.
        QCOMPARE(TextRoom(Find<QLabel>(&play, "stageBox")).size(), fit::kStageBox.room());
        QCOMPARE(TextRoom(Find<QLabel>(&play, "dialogueText")).size(), fit::kDialogueBox.room());
        EXPECT_FITS(Overflowing(Find<QLabel>(&play, "levelBox"), {stage::LevelName(1), stage::LevelName(2)}));
        const QStringList lines = DialogueLines();
        QVERIFY(lines.size() > 30);
        QVERIFY(lines.contains(stage::StartPrompt()));
        EXPECT_FITS(Overflowing(Find<QLabel>(&play, "dialogueText"), lines));

        Table().load();
        RankingScreen rank(Table(), 1, 1);
        rank.showTable();
        QCOMPARE(Find<QLabel>(&rank, "nameLabels", 0)->text(), scores::DefaultName());
        EXPECT_FITS(CaptionsOverflowing(rank));
    }

    // The English really replaces the Japanese on screen.
    void screensSpeakEnglish()
    {
        useLanguage(QStringLiteral("en"));
        TitleScreen title(Shelf());
        title.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(Find<QPushButton>(&title, "easyButton")->text(), QStringLiteral("Octopus\n(easy)"));
        QCOMPARE(Find<QPushButton>(&title, "quitButton")->text(), QStringLiteral("Quit"));
        QCOMPARE(stage::LevelName(2), QStringLiteral("Monkey (hard)"));
        RemoveTranslators();
        QCOMPARE(stage::LevelName(2), QStringLiteral("さる"));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
