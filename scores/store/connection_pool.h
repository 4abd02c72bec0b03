// Database connections shared by the threads of one process. A caller leases
// one connection for one call and gives it back; a thread that finds none
// idle opens another, so every caller running at the same time has its own
// connection (neither SQLite nor libpq lets two threads use one at once).
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace scores {

template <class Connection>
class ConnectionPool {
 public:
  using Opener = std::function<std::unique_ptr<Connection>()>;

  // At most `keepIdle` connections are kept open between calls.
  ConnectionPool(Opener opener, std::size_t keepIdle) : opener_(std::move(opener)), keepIdle_(keepIdle) {}

  class Lease {
   public:
    Lease(ConnectionPool& pool, std::unique_ptr<Connection> connection)
        : pool_(&pool), connection_(std::move(connection)) {}
    Lease(Lease&& other) noexcept = default;
    Lease& operator=(Lease&&) = delete;
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    ~Lease() {
      if (connection_ && !broken_) pool_->giveBack(std::move(connection_));
    }
    Connection& operator*() const { return *connection_; }
    Connection* operator->() const { return connection_.get(); }
    // The connection is closed instead of given back (it failed mid-call).
    void discard() { broken_ = true; }

   private:
    ConnectionPool* pool_;
    std::unique_ptr<Connection> connection_;
    bool broken_ = false;
  };

  Lease lease() {
    {
      std::lock_guard lock(mutex_);
      if (!idle_.empty()) {
        auto connection = std::move(idle_.back());
        idle_.pop_back();
        return Lease(*this, std::move(connection));
      }
    }
    return Lease(*this, opener_());
  }

 private:
  void giveBack(std::unique_ptr<Connection> connection) {
    std::lock_guard lock(mutex_);
    if (idle_.size() < keepIdle_) idle_.push_back(std::move(connection));
  }

  Opener opener_;
  std::size_t keepIdle_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Connection>> idle_;
};

}  // namespace scores
