// The program's exception: a message text in code page 932.
#pragma once
#include <exception>
#include <string>

class EError : public std::exception {
 public:
  explicit EError(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
};
