#include "publish/syndication_feed.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cctype>
#include <climits>
#include <memory>

#include "publish/html_sanitizer.h"
#include "publish/source_bytes.h"
#include "publish/time_text.h"

namespace {
constexpr std::string_view ATOM_NAMESPACE = "http://www.w3.org/2005/Atom";
constexpr std::string_view CONTENT_NAMESPACE = "http://purl.org/rss/1.0/modules/content/";

struct DocumentDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
struct ContextDeleter {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
struct BufferDeleter {
    void operator()(xmlBuffer* buffer) const { xmlBufferFree(buffer); }
};

std::string_view Text(const xmlChar* text) {
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

bool Named(const xmlNode* node, std::string_view name) {
    return node->type == XML_ELEMENT_NODE && Text(node->name) == name;
}

std::string_view NamespaceOf(const xmlNode* node) {
    return node->ns ? Text(node->ns->href) : std::string_view();
}

xmlNode* Child(xmlNode* parent, std::string_view name, std::string_view ns = {}) {
    for (xmlNode* node = parent->children; node; node = node->next)
        if (Named(node, name) && (ns.empty() || NamespaceOf(node) == ns)) return node;
    return nullptr;
}

std::string Content(const xmlNode* node) {
    if (!node) return std::string();
    xmlChar* content = xmlNodeGetContent(node);
    std::string text(Text(content));
    xmlFree(content);
    return text;
}

std::string Attribute(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    std::string text(Text(value));
    xmlFree(value);
    return text;
}

// Runs of white space (line breaks included) as one space, none at the ends.
std::string CollapsedSpaces(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            space = !out.empty();
            continue;
        }
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

bool IsWebLink(std::string_view link) {
    return link.starts_with("http://") || link.starts_with("https://");
}

std::string BodyWithLink(std::string body, const std::string& link) {
    if (!IsWebLink(link)) return body;
    if (!body.empty()) body += "<br>";
    const std::string escaped = EscapeHtmlText(link);
    return body + "<a href=\"" + escaped + "\">" + escaped + "</a>";
}

FeedItem Finished(FeedItem item, const std::string& link) {
    item.title = CollapsedSpaces(item.title);
    if (item.title.empty()) item.title = link;
    if (item.key.empty()) item.key = link.empty() ? item.title : link;
    return item;
}

FeedItem RssItem(xmlNode* node) {
    FeedItem item;
    const std::string link = CollapsedSpaces(Content(Child(node, "link")));
    item.key = CollapsedSpaces(Content(Child(node, "guid")));
    item.title = Content(Child(node, "title"));
    xmlNode* content = Child(node, "encoded", CONTENT_NAMESPACE);
    if (!content) content = Child(node, "description");
    item.body = BodyWithLink(SanitizeHtml(Content(content)), link);
    if (xmlNode* date = Child(node, "pubDate"))
        item.when = ParseRfc822DateTime(Content(date));
    else if (xmlNode* dcDate = Child(node, "date"))
        item.when = ParseIsoDateTime(Content(dcDate), *ZoneClock::ForZone("UTC"));
    return Finished(std::move(item), link);
}

// The markup inside an Atom xhtml content element (its wrapping div included).
std::string InnerMarkup(xmlNode* node) {
    std::unique_ptr<xmlBuffer, BufferDeleter> buffer(xmlBufferCreate());
    for (xmlNode* child = node->children; child; child = child->next)
        xmlNodeDump(buffer.get(), node->doc, child, 0, 0);
    return std::string(Text(xmlBufferContent(buffer.get())));
}

std::string AtomText(xmlNode* node) {
    if (!node) return std::string();
    const std::string type = Attribute(node, "type");
    if (type == "html") return SanitizeHtml(Content(node));
    if (type == "xhtml") return SanitizeHtml(InnerMarkup(node));
    return EscapeHtmlText(Content(node));
}

std::string AtomLink(xmlNode* entry) {
    for (xmlNode* node = entry->children; node; node = node->next) {
        if (!Named(node, "link")) continue;
        const std::string rel = Attribute(node, "rel");
        if (rel.empty() || rel == "alternate") return Attribute(node, "href");
    }
    return std::string();
}

std::string AtomTitle(xmlNode* node) {
    if (!node) return std::string();
    const std::string type = Attribute(node, "type");
    if (type != "html" && type != "xhtml") return Content(node);
    // Markup in a title is dropped; the panel draws titles as plain text.
    std::string text;
    bool inTag = false;
    for (char c : SanitizeHtml(type == "html" ? Content(node) : InnerMarkup(node))) {
        if (c == '<') inTag = true;
        if (!inTag) text += c;
        if (c == '>') inTag = false;
    }
    std::string decoded;
    for (size_t at = 0; at < text.size(); ++at) {
        static constexpr std::pair<std::string_view, char> ESCAPES[] = {
            {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
        bool replaced = false;
        for (const auto& [escape, c] : ESCAPES)
            if (std::string_view(text).substr(at).starts_with(escape)) {
                decoded += c;
                at += escape.size() - 1;
                replaced = true;
                break;
            }
        if (!replaced) decoded += text[at];
    }
    return decoded;
}

FeedItem AtomEntry(xmlNode* entry) {
    FeedItem item;
    const std::string link = AtomLink(entry);
    item.key = CollapsedSpaces(Content(Child(entry, "id")));
    item.title = AtomTitle(Child(entry, "title"));
    xmlNode* content = Child(entry, "content");
    item.body = BodyWithLink(AtomText(content ? content : Child(entry, "summary")), link);
    xmlNode* date = Child(entry, "published");
    if (!date) date = Child(entry, "updated");
    if (date) item.when = ParseIsoDateTime(Content(date), *ZoneClock::ForZone("UTC"));
    return Finished(std::move(item), link);
}

bool HasEntityDeclarations(const xmlDoc* document) {
    const xmlDtd* subsets[] = {document->intSubset, document->extSubset};
    for (const xmlDtd* dtd : subsets)
        if (dtd && (dtd->entities || dtd->pentities)) return true;
    return false;
}

std::string ParseError(xmlParserCtxt* context) {
    const xmlError* last = &context->lastError;
    std::string message = last->message ? last->message : "not well-formed XML";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    return "line " + std::to_string(last->line) + ": " + message;
}
}  // namespace

bool ReadSyndicationFeed(std::string_view bytes, std::vector<FeedItem>& items, std::string& error) {
    items.clear();
    if (bytes.size() > MAX_SOURCE_BYTES || bytes.size() > static_cast<size_t>(INT_MAX)) {
        error = "larger than 32 MiB";
        return false;
    }
    std::unique_ptr<xmlParserCtxt, ContextDeleter> context(xmlNewParserCtxt());
    if (!context) {
        error = "out of memory";
        return false;
    }
    // No XML_PARSE_NOENT (entities are not substituted), no DTD loading, no network.
    const int options =
        XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    std::unique_ptr<xmlDoc, DocumentDeleter> document(xmlCtxtReadMemory(
        context.get(), bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, options));
    if (!document || !context->wellFormed) {
        error = ParseError(context.get());
        return false;
    }
    if (HasEntityDeclarations(document.get())) {
        error = "line 1: the document declares entities, which a feed must not";
        return false;
    }
    xmlNode* root = xmlDocGetRootElement(document.get());
    if (root && Named(root, "rss")) {
        xmlNode* channel = Child(root, "channel");
        if (!channel) {
            error = "line " + std::to_string(root->line) + ": <rss> has no <channel>";
            return false;
        }
        for (xmlNode* node = channel->children; node; node = node->next)
            if (Named(node, "item")) items.push_back(RssItem(node));
        return true;
    }
    if (root && Named(root, "RDF")) {
        for (xmlNode* node = root->children; node; node = node->next)
            if (Named(node, "item")) items.push_back(RssItem(node));
        return true;
    }
    if (root && Named(root, "feed") && NamespaceOf(root) == ATOM_NAMESPACE) {
        for (xmlNode* node = root->children; node; node = node->next)
            if (Named(node, "entry")) items.push_back(AtomEntry(node));
        return true;
    }
    error = "line " + std::to_string(root ? root->line : 1) +
            ": neither an RSS <rss> nor an Atom <feed> document";
    return false;
}
