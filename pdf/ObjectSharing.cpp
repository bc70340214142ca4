#include "pdf/ObjectSharing.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QByteArray>
#include <QCryptographicHash>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ObjectSharing {

namespace {

using Replacements = std::map<QPDFObjGen, QPDFObjectHandle>;

template <typename Visit>
void forEachChild(QPDFObjectHandle object, Visit visit)
{
    if (object.isStream())
        object = object.getDict();
    if (object.isDictionary()) {
        for (auto &item : object.ditems())
            visit(item.second);
    } else if (object.isArray()) {
        for (auto &item : object.aitems())
            visit(item);
    }
}

// Every indirect object the trailer leads to, in the order a reader meets
// them: the first copy met, the one on the earliest page, is the one kept.
std::vector<QPDFObjectHandle> reachableObjects(QPDF &pdf)
{
    std::vector<QPDFObjectHandle> found;
    std::set<QPDFObjGen> seen;
    std::vector<QPDFObjectHandle> pending{pdf.getTrailer()};
    std::vector<QPDFObjectHandle> children;
    while (!pending.empty()) {
        QPDFObjectHandle object = pending.back();
        pending.pop_back();
        if (object.isIndirect()) {
            if (object.isNull() || !seen.insert(object.getObjGen()).second)
                continue;
            found.push_back(object);
        }
        children.clear();
        forEachChild(object, [&](QPDFObjectHandle &child) {
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
    for (auto &item : dictionary.ditems()) {
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
    for (auto &item : array.aitems()) {
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

class StreamBytes
{
public:
    // Null when the stream cannot be read: a damaged stream is never shared.
    std::shared_ptr<Buffer> read(QPDFObjectHandle stream)
    {
        try {
            return stream.getRawStreamData();
        } catch (const std::exception &) {
            return nullptr;
        }
    }

    // A strong hash of the stored bytes, computed once per stream.
    const QByteArray &hash(QPDFObjectHandle stream)
    {
        auto it = m_hashes.find(stream.getObjGen());
        if (it != m_hashes.end())
            return it->second;
        QByteArray digest;
        if (const auto data = read(stream)) {
            digest = QCryptographicHash::hash(
                QByteArray::fromRawData(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize())),
                QCryptographicHash::Sha256);
        }
        return m_hashes[stream.getObjGen()] = digest;
    }

private:
    std::map<QPDFObjGen, QByteArray> m_hashes;
};

bool sameBytes(const std::shared_ptr<Buffer> &a, const std::shared_ptr<Buffer> &b)
{
    return a && b && a->getSize() == b->getSize()
           && std::memcmp(a->getBuffer(), b->getBuffer(), a->getSize()) == 0;
}

// Streams of one key with the same hash are compared byte for byte against
// the first of them; a stream that differs stays as it is.
void findDuplicateStreams(std::vector<QPDFObjectHandle> group, StreamBytes &bytes,
                          Replacements &replacements)
{
    std::map<QByteArray, std::vector<QPDFObjectHandle>> byHash;
    for (auto stream : group) {
        const QByteArray &hash = bytes.hash(stream);
        if (!hash.isEmpty())
            byHash[hash].push_back(stream);
    }
    for (auto &entry : byHash) {
        auto &streams = entry.second;
        if (streams.size() < 2)
            continue;
        const auto kept = bytes.read(streams.front());
        for (size_t i = 1; i < streams.size(); ++i) {
            if (sameBytes(kept, bytes.read(streams[i])))
                replacements[streams[i].getObjGen()] = streams.front();
        }
    }
}

Replacements findDuplicates(std::vector<QPDFObjectHandle> objects, Scope scope, StreamBytes &bytes)
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
            findDuplicateStreams(*group, bytes, replacements);
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
        for (const auto &key : container.getKeys()) {
            QPDFObjectHandle value = container.getKey(key);
            if (replacementFor(value, kept))
                container.replaceKey(key, kept);
        }
    } else if (container.isArray()) {
        const int count = container.getArrayNItems();
        for (int i = 0; i < count; ++i) {
            QPDFObjectHandle value = container.getArrayItem(i);
            if (replacementFor(value, kept))
                container.setArrayItem(i, kept);
        }
    }
}

} // namespace

// Sharing one object can make others the same: two images become identical
// once their colour profiles are one object. So it goes round until a round
// finds nothing more; a handful of rounds reach the deepest nesting that
// real documents have.
int shareIdenticalObjects(QPDF &pdf, Scope scope)
{
    constexpr int MostRounds = 8;
    StreamBytes bytes;
    int shared = 0;
    for (int round = 0; round < MostRounds; ++round) {
        std::vector<QPDFObjectHandle> objects = reachableObjects(pdf);
        const Replacements replacements = findDuplicates(objects, scope, bytes);
        if (replacements.empty())
            break;
        shared += int(replacements.size());
        pointAtKept(pdf.getTrailer(), replacements);
        for (auto object : objects) {
            if (!replacements.count(object.getObjGen()))
                pointAtKept(object, replacements);
        }
    }
    return shared;
}

} // namespace ObjectSharing
