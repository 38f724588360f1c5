<1-4294967295>|community number
aa:nn|community number in aa:nn format
internet|Internet (well-known community)
local-as|Do not send outside local AS (well-known community)
no-advertise|Do not advertise to any peer (well-known community)
no-export|Do not export to next AS (well-known community)
gshut|Graceful Shutdown (well-known community)
