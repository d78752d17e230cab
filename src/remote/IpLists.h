#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The four address lists of the remote host: automatic accept and refuse,
// which "儲存自動接受/拒絕IP" keeps in RemoteIP.ini, and the temporary ones
// filled by the answers to the question about an unknown caller.
class IpLists {
public:
    enum List { AutoAccept = 0, AutoRefuse = 1, TempAccept = 2, TempRefuse = 3 };
    enum class Verdict { Accept, Refuse, Unknown };
    static constexpr int kCount = 4;

    // The refuse lists are looked at first, so an address in both an accept
    // and a refuse list is refused.
    Verdict verdictFor(const QString& address) const;

    const QStringList& list(int index) const { return lists_.at(index); }
    void append(int index, const QString& address) { lists_.at(index).append(address); }
    void removeAt(int index, int row);
    void clearTemporary();

    // RemoteIP.ini in the data folder.
    static QString defaultPath();
    bool save(const QString& path, QString* error = nullptr) const;
    // Replaces the automatic lists; a missing file leaves them empty.
    bool load(const QString& path);

private:
    std::array<QStringList, kCount> lists_;
};
