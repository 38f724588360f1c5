ro|Read-only access with this community string
rw|Read-write access with this community string
