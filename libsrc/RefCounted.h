#pragma once
// Objects shared by reference count: the count starts at 1, the object deletes itself at 0.
class RefCounted {
 public:
  virtual ~RefCounted() = default;
  void AddRefcount() { ++m_count; }
  int RemoveRefcount();
  int GetRefcount() const { return m_count; }

 private:
  int m_count = 1;
};
