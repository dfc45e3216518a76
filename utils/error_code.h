// The platform library's portable error value: an error kind and its number,
// with comparisons and a translation of every kind into a POSIX error number.
// The class is exported from the executable so that other modules of the
// product can link against it.
#pragma once

enum UTErrorType {
  UT_ERROR_POSIX = 0,    // a POSIX number in the Windows C runtime's numbering
  UT_ERROR_OS = 1,       // a Windows system error number
  UT_ERROR_DB_INIT = 2,  // an a_db_init_error, stored as its bit pattern
};

// The database server's initialisation errors: negative values, most of
// them from -30000 to -29949.
enum a_db_init_error : int {};

class __declspec(dllexport) UTErrorCode {
 public:
  UTErrorCode();
  UTErrorCode(UTErrorType type, unsigned long code);
  UTErrorCode(a_db_init_error err);

  UTErrorType get_type() const;
  unsigned long get_code() const;
  void set(UTErrorType type, unsigned long code);
  void set(a_db_init_error err);

  // Strict: both fields equal.
  unsigned int equal(UTErrorType type, unsigned long code) const;
  unsigned int equal(const UTErrorCode &other) const;
  // Like equal, except that two "no error" values match whatever their types.
  unsigned int operator==(const UTErrorCode &other) const;
  unsigned int operator!=(const UTErrorCode &other) const;

  void clear();
  unsigned int is_error() const;
  unsigned int is_okay() const;
  unsigned int is_disk_full();
  unsigned int is_file_not_found();
  UTErrorCode &operator=(const UTErrorCode &other);

  // The POSIX number this error stands for; 0 for an unknown type.
  unsigned long get_posix_equivalent() const;

 private:
  UTErrorType type_;
  unsigned long code_;
};
