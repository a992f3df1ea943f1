// Filled in by the serializer work.
