#include "pdf/ObjectSharing.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFCryptoImpl.hh>
#include <qpdf/QPDFCryptoProvider.hh>
#include <qpdf/QPDFObjectHandle.hh>


#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace ObjectSharing {

namespace {

using Replacements = std::map<QPDFObjGen, QPDFObjectHandle>;

// The values a dictionary, an array or a stream's dictionary holds. One copy
// of the entries is cheaper than asking for the keys and then for each key.
template <typename Visit>
void forEachChild(QPDFObjectHandle object, Visit visit)
{
    if (object.isStream())
        object = object.getDict();
    if (object.isDictionary()) {
        for (auto &item : object.getDictAsMap())
            visit(item.second);
    } else if (object.isArray()) {
        for (auto &item : object.getArrayAsVector())
            visit(item);
    }
}

struct ObjGenHash
{
    size_t operator()(const QPDFObjGen &og) const noexcept
    {
        return std::hash<long long>()((static_cast<long long>(og.getObj()) << 16) ^ og.getGen());
    }
};

// Every indirect object the trailer leads to, in the order a reader meets
// them: the first copy met, the one on the earliest page, is the one kept.
struct Reachable
{
    std::vector<QPDFObjectHandle> objects;
    // What the dictionaries of streams refer to: only sharing one of these
    // can make two streams the same that were not before.
    std::unordered_set<QPDFObjGen, ObjGenHash> namedByStreams;
};

Reachable reachableObjects(QPDF &pdf)
{
    Reachable found;
    std::unordered_set<QPDFObjGen, ObjGenHash> seen;
    std::vector<QPDFObjectHandle> pending{pdf.getTrailer()};
    std::vector<QPDFObjectHandle> children;
    while (!pending.empty()) {
        QPDFObjectHandle object = pending.back();
        pending.pop_back();
        if (object.isIndirect()) {
            if (object.isNull() || !seen.insert(object.getObjGen()).second)
                continue;
            found.objects.push_back(object);
        }
        const bool stream = object.isStream();
        children.clear();
        forEachChild(object, [&](QPDFObjectHandle &child) {
            if (stream && child.isIndirect())
                found.namedByStreams.insert(child.getObjGen());
            if (child.isIndirect() || child.isDictionary() || child.isArray())
                children.push_back(child);
        });
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return found;
}

// The text of a dictionary's entries, references as references, so that
// two dictionaries have the same text exactly when they are the same.
std::string dictionaryText(QPDFObjectHandle dictionary, const char *skippedKey)
{
    std::string text;
    for (auto &item : dictionary.getDictAsMap()) {
        if (item.first == skippedKey)
            continue;
        text += item.first;
        text += ' ';
        text += item.second.unparse();
        text += '\n';
    }
    return text;
}

std::string arrayText(QPDFObjectHandle array)
{
    std::string text;
    for (auto &item : array.getArrayAsVector()) {
        text += item.unparse();
        text += '\n';
    }
    return text;
}

bool isResourceKey(const std::string &key)
{
    static const std::set<std::string> keys{"/Font", "/XObject", "/ExtGState", "/ColorSpace", "/Pattern",
                                            "/Shading", "/ProcSet", "/Properties"};
    return keys.count(key) > 0;
}

// What may stand in for another of its kind: what the page draws with.
bool isShareableResource(QPDFObjectHandle object)
{
    if (object.isArray())
        return true;
    if (!object.isDictionary())
        return false;
    QPDFObjectHandle type = object.getKey("/Type");
    if (type.isName()) {
        const std::string name = type.getName();
        return name == "/Font" || name == "/FontDescriptor" || name == "/ExtGState" || name == "/Encoding";
    }
    if (type.isNull()) {
        const auto keys = object.getKeys();
        if (keys.empty())
            return false;
        for (const auto &key : keys) {
            if (!isResourceKey(key))
                return false;
        }
        return true;
    }
    return false;
}

// Objects that may be identical share a key; streams only a first guess,
// their bytes decide. The stored length is part of it, so that streams of
// different lengths are never read to be compared.
std::string candidateKey(QPDFObjectHandle object, Scope scope)
{
    if (object.isStream()) {
        QPDFObjectHandle dictionary = object.getDict();
        QPDFObjectHandle length = dictionary.getKey("/Length");
        return "s" + (length.isInteger() ? std::to_string(length.getIntValue()) : std::string("?")) + '\n'
               + dictionaryText(dictionary, "/Length");
    }
    if (scope != Scope::StreamsAndResources || !isShareableResource(object))
        return std::string();
    return object.isArray() ? "a" + arrayText(object) : "d" + dictionaryText(object, "");
}

// The stored bytes of a stream; null when it cannot be read: a damaged
// stream is never shared.
std::shared_ptr<Buffer> storedBytes(QPDFObjectHandle stream)
{
    try {
        return stream.getRawStreamData();
    } catch (const std::exception &) {
        return nullptr;
    }
}

// SHA-256 through qpdf's crypto provider, which uses the processor's SHA
// instructions where it has them: on merges of copies, hashing was a tenth
// of the whole merge's instructions with Qt's portable implementation.
std::string strongHash(const Buffer &data)
{
    const auto sha = QPDFCryptoProvider::getImpl();
    sha->SHA2_init(256);
    sha->SHA2_update(data.getBuffer(), data.getSize());
    sha->SHA2_finalize();
    return sha->SHA2_digest();
}

bool sameBytes(const Buffer &a, const Buffer &b)
{
    return a.getSize() == b.getSize() && std::memcmp(a.getBuffer(), b.getBuffer(), a.getSize()) == 0;
}

// Streams of one key are read once each, in order: one whose hash a stream
// before it has, and whose bytes are the same as that stream's, is a copy
// of it; any other is kept, also one that only shares a hash.
void findDuplicateStreams(std::vector<QPDFObjectHandle> group, Replacements &replacements)
{
    struct Kept
    {
        QPDFObjectHandle stream;
        std::shared_ptr<Buffer> bytes;
    };
    std::map<std::string, std::vector<Kept>> byHash;
    for (auto stream : group) {
        auto bytes = storedBytes(stream);
        if (!bytes)
            continue;
        auto &kept = byHash[strongHash(*bytes)];
        const auto same = std::find_if(kept.begin(), kept.end(),
                                       [&](const Kept &k) { return sameBytes(*k.bytes, *bytes); });
        if (same != kept.end())
            replacements[stream.getObjGen()] = same->stream;
        else
            kept.push_back({stream, std::move(bytes)});
    }
}

Replacements findDuplicates(std::vector<QPDFObjectHandle> objects, Scope scope)
{
    std::map<std::string, std::vector<QPDFObjectHandle>> groups;
    std::vector<const std::vector<QPDFObjectHandle> *> order;
    for (auto object : objects) {
        std::string key = candidateKey(object, scope);
        if (key.empty())
            continue;
        auto &group = groups[std::move(key)];
        if (group.size() == 1)
            order.push_back(&group);
        group.push_back(object);
    }
    Replacements replacements;
    for (const auto *group : order) {
        QPDFObjectHandle first = group->front();
        if (first.isStream()) {
            findDuplicateStreams(*group, replacements);
        } else {
            for (size_t i = 1; i < group->size(); ++i)
                replacements[(*group)[i].getObjGen()] = group->front();
        }
    }
    return replacements;
}

// Points the references held in the object's own entries, and in the
// dictionaries and arrays written inside it, at the kept objects.
void pointAtKept(QPDFObjectHandle container, const Replacements &replacements)
{
    if (container.isStream())
        container = container.getDict();
    auto replacementFor = [&](QPDFObjectHandle &value, QPDFObjectHandle &kept) {
        if (!value.isIndirect()) {
            if (value.isDictionary() || value.isArray())
                pointAtKept(value, replacements);
            return false;
        }
        auto it = replacements.find(value.getObjGen());
        if (it == replacements.end())
            return false;
        kept = it->second;
        return true;
    };
    QPDFObjectHandle kept;
    if (container.isDictionary()) {
        for (auto &item : container.getDictAsMap()) {
            if (replacementFor(item.second, kept))
                container.replaceKey(item.first, kept);
        }
    } else if (container.isArray()) {
        const auto items = container.getArrayAsVector();
        for (size_t i = 0; i < items.size(); ++i) {
            QPDFObjectHandle value = items[i];
            if (replacementFor(value, kept))
                container.setArrayItem(int(i), kept);
        }
    }
}

} // namespace

// Sharing one object can make others the same: two images become identical
// once their colour profiles are one object, two fonts once their font
// programs are. So it goes round until a round finds nothing more that
// could; a handful of rounds reach the deepest nesting real documents have.
int shareIdenticalObjects(QPDF &pdf, Scope scope)
{
    constexpr int MostRounds = 8;
    int shared = 0;
    for (int round = 0; round < MostRounds; ++round) {
        Reachable reachable = reachableObjects(pdf);
        const Replacements replacements = findDuplicates(reachable.objects, scope);
        if (replacements.empty())
            break;
        shared += int(replacements.size());
        pointAtKept(pdf.getTrailer(), replacements);
        bool streamsChanged = false;
        for (auto object : reachable.objects) {
            if (!replacements.count(object.getObjGen()))
                pointAtKept(object, replacements);
            else
                streamsChanged = streamsChanged || reachable.namedByStreams.count(object.getObjGen());
        }
        // Only streams are compared here, and no stream refers to what was
        // shared: another round would find nothing.
        if (scope == Scope::Streams && !streamsChanged)
            break;
    }
    return shared;
}

} // namespace ObjectSharing
