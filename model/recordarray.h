#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// An array of records that owns them: removing a record destroys it.
template <class T>
class CRecordArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    T* GetAt(int i) { return m_items[static_cast<size_t>(i)].get(); }
    const T* GetAt(int i) const { return m_items[static_cast<size_t>(i)].get(); }
    T* operator[](int i) { return GetAt(i); }
    const T* operator[](int i) const { return GetAt(i); }
    int Add(std::unique_ptr<T> p) {
        m_items.push_back(std::move(p));
        return GetSize() - 1;
    }
    void Reserve(size_t n) { m_items.reserve(n); }

    // Destroys every element in index order, then empties the array.
    void RemoveAllRecords() {
        for (auto& p : m_items) p.reset();
        m_items.clear();
    }
    // Destroys count elements from index on and closes the gap.
    void RemoveRecords(int index, int count) {
        auto first = m_items.begin() + index;
        m_items.erase(first, first + count);
    }
    void Swap(CRecordArray& other) noexcept { m_items.swap(other.m_items); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<std::unique_ptr<T>> m_items;
};
