#pragma once

class CArchive;

// Base of everything that reads and writes itself in an archive.
class CObject {
public:
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar) { (void)ar; }
};
