// Resources: where the running program's data comes from. Numbered
// "CustomData" resources come from the platform's source; archive members
// are extracted from resource 136 by the archive reader, whose diagnostics
// go to the sink given. The application owns one and hands it down to every
// loader; source and sink must outlive it.
#pragma once
#include "assets/archive/archive_log.h"
#include "assets/resource_source.h"
#include "base/resource_stream.h"
#include "base/script_reader.h"

class Resources {
 public:
  Resources(const ResourceSource& source, ArchiveDiagnostics& diagnostics)
      : source_(source), diagnostics_(diagnostics) {}

  // "CustomData" resource id, or found == false.
  ResourceBytes Find(int id) const;
  // A borrowed view of resource id; false (and an empty stream) when there is none.
  bool OpenResource(int id, ResourceStream& stream) const;
  // An owned copy of the named archive member; false (and an empty stream
  // that keeps the name) when the archive reader cannot extract it.
  bool OpenArchiveMember(const char* name, ResourceStream& stream) const;
  // The archive member when fromResource is clear, else resource id.
  bool Open(const char* name, bool fromResource, int id, ResourceStream& stream) const {
    return fromResource ? OpenResource(id, stream) : OpenArchiveMember(name, stream);
  }

  // The archive member as a new text for reader; false as OpenArchiveMember.
  bool OpenScript(const char* name, ScriptReader& reader) const {
    reader.Reset();
    return OpenArchiveMember(name, reader.stream());
  }

  ArchiveDiagnostics& diagnostics() const { return diagnostics_; }

 private:
  const ResourceSource& source_;
  ArchiveDiagnostics& diagnostics_;
};
