#pragma once
// Objects shared by reference count: the count starts at 1, the object deletes itself at 0.
// Such objects live on the heap.
class RefCounted {
 public:
  RefCounted() = default;
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;
  virtual ~RefCounted() = default;
  void AddRefcount() { ++m_count; }
  // Returns the remaining count; at 0 the object is gone.
  int RemoveRefcount();
  int GetRefcount() const { return m_count; }

 private:
  int m_count = 1;
};
