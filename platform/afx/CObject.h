// Root of the class library's hierarchy: objects that are used through base pointers.
#pragma once

class CObject {
 public:
  virtual ~CObject() = default;

 protected:
  CObject() = default;
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};
