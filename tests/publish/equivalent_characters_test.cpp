// Characters that CP932 lacks are written as close equivalents after the publisher has escaped or
// sanitised a text. Each of them, put through every path that carries text to the panel, must
// add no markup: the output holds exactly the markup bytes that a plain letter in its place
// gives.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "publish/utf8_to_cp932.h"
#include "tests/publish/publish_fixture.h"

namespace {
std::string Hex(char32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(code));
    return text;
}

// Every character the conversion writes an equivalent for.
std::vector<char32_t> CharactersWithEquivalents() {
    std::vector<char32_t> characters;
    for (const Cp932Equivalent& equivalent : Cp932Equivalents())
        characters.push_back(equivalent.from);
    for (char32_t latin = 0xC0; latin <= 0xFF; ++latin) characters.push_back(latin);
    return characters;
}

// How often each markup byte occurs in each output file.
using MarkupCounts = std::map<std::string, std::array<size_t, HTML_MARKUP_CHARACTERS.size()>>;

class EquivalentCharacters : public PublishFixture {
protected:
    // Publishes sources that carry the text `c` (UTF-8) in every text, literally and, where the
    // source is HTML, as the character references `reference`.
    MarkupCounts PublishWith(const std::string& c, const std::string& reference) {
        options.news = {Source("news.rss", RssFeed(c, reference)),
                        Source("news.atom", AtomFeed(c, reference))};
        Source("notices/01.txt", "2026-03-10 09:00 Notice " + c + "script" + c + "\nBody " + c +
                                     "b" + c + "\n\nNext " + c + "\"" + c + "\n");
        options.noticeFolder = folder.Path() + "notices";
        options.traders = Source("traders.csv", "id,name\n1,Trader " + c + "b" + c + "\n");
        options.messages = Source("messages.csv", "id,trader,time,text\n1,1,1773100800,Message " +
                                                      c + "script" + c + " " + c + "\"\n");
        options.signals = Source("signals.csv",
                                 "id,ticket,time,symbol,kind,side,price\n"
                                 "1,7,1773100800,USD" +
                                     c + "JPY,N,B,151.0\n");
        options.calendars = {Source("calendar.csv", "name,datetime,country\nRate " + c + "b" + c +
                                                        ",2026-03-10 10:00,JP\n")};
        EXPECT_TRUE(Run()) << error;
        MarkupCounts counts;
        for (const char* name : {"iadat2.dat", "qznnews.dat", "qzninfo.dat", "qznhnd_trader.dat",
                                 "qznhnd_message.dat", "qznhnd_data.dat"}) {
            const std::string bytes = Output(name);
            for (size_t index = 0; index < HTML_MARKUP_CHARACTERS.size(); ++index)
                counts[name][index] = static_cast<size_t>(
                    std::count(bytes.begin(), bytes.end(), HTML_MARKUP_CHARACTERS[index]));
        }
        return counts;
    }

    static std::string RssFeed(const std::string& c, const std::string& reference) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<rss version=\"2.0\" xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">"
               "<channel><title>t</title>"
               "<item><title>Title " +
               c + "b" + c +
               "</title><guid>r1</guid>"
               "<link>https://news.example/a" +
               c + "onmouseover=x()" + c +
               "</link>"
               "<description><![CDATA[<p title=\"x" +
               c + "\">" + c + "script" + c + "alert(1)" + reference + "/script" + reference +
               "<a href=\"https://ok.example/" + c +
               "\">ok</a></p>]]></description></item>"
               "<item><title>Encoded</title><guid>r2</guid><content:encoded>&lt;b&gt;" +
               c + "img src=x" + reference +
               "&lt;/b&gt;</content:encoded></item>"
               "</channel></rss>\n";
    }

    static std::string AtomFeed(const std::string& c, const std::string& reference) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<feed xmlns=\"http://www.w3.org/2005/Atom\"><title>a</title><id>urn:a</id>"
               "<entry><title type=\"html\">&lt;b&gt;" +
               c + "i" + reference +
               "&lt;/b&gt;</title><id>urn:e1</id>"
               "<link href=\"https://atom.example/e1" +
               c +
               "\"/>"
               "<content type=\"text\">" +
               c + "script" + c + " " + c + "\"" + c +
               "</content>"
               "</entry>"
               "<entry><title>Plain " +
               c +
               "</title><id>urn:e2</id>"
               "<content type=\"html\">&lt;p&gt;" +
               c + "p" + reference +
               "&lt;/p&gt;</content>"
               "</entry>"
               "<entry><title>X</title><id>urn:e3</id><summary type=\"xhtml\">"
               "<div xmlns=\"http://www.w3.org/1999/xhtml\">" +
               c + "em" + c +
               "</div>"
               "</summary></entry>"
               "</feed>\n";
    }
};

TEST_F(EquivalentCharacters, NoneAddsMarkupOnAnyPathToThePanel) {
    // All of them at once (one run is a few disk flushes), against as many plain letters.
    std::string characters, references, letters;
    for (char32_t code : CharactersWithEquivalents()) {
        characters += Utf8Of(code);
        references += "&#x" + Hex(code) + ";";
        letters += 'x';
    }
    const MarkupCounts plain = PublishWith(letters, letters);
    EXPECT_EQ(PublishWith(characters, references), plain);
}

TEST_F(EquivalentCharacters, GuillemetsInAFeedStayText) {
    options.news = {Source("news.rss",
                           "<rss version=\"2.0\"><channel><item><title>t</title><guid>g</guid>"
                           "<description>&amp;#x2039;script&amp;#x203A;alert(1)&amp;#x2039;/"
                           "script&amp;#x203A; &#xAB;b&#xBB; &#x201E;</description>"
                           "</item></channel></rss>")};
    ASSERT_TRUE(Run()) << error;
    const std::vector<iaNews> items = News();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].body, "〈script〉alert(1)〈/script〉 《b》 “");
}

TEST(Utf8ToCp932, NoCharacterBeyondAsciiBecomesMarkup) {
    std::string everyCharacter;
    for (char32_t code = 0x80; code <= 0x10FFFF; ++code)
        if (code < 0xD800 || code > 0xDFFF) everyCharacter += Utf8Of(code);
    const std::string converted = Utf8ToCp932(everyCharacter);
    EXPECT_EQ(converted.find_first_of(HTML_MARKUP_CHARACTERS), std::string::npos);
}
}  // namespace
