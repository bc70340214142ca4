#include "preview/ViewedDocument.h"

#include "pdf/RenderClient.h"

namespace {

int nextDocumentId()
{
    static int lastId = 0;
    return ++lastId;
}

} // namespace

ViewedDocument::ViewedDocument(RenderClient *client, const QString &fileName, const QString &password,
                               const QList<QSize> &pageSizes)
    : m_client(client), m_fileName(fileName), m_password(password), m_pageSizes(pageSizes), m_id(nextDocumentId())
{
}

int ViewedDocument::requestPage(int page, const QSize &pixels) const
{
    return m_client->request(m_fileName, m_password, page, pixels);
}
